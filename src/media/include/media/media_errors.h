#pragma once
// The errors the media code raises, one maker per error class, so a class
// name is spelled in one place.
#include "app/app_error.h"

namespace ejteto {

// A file the media service cannot open, or a service that cannot start;
// the text is the service's own ("Resource not found.").
AppError mciDeviceError(const QString& serviceText);
// A play, pause, stop or rewind with no file open.
AppError noDeviceOpenError();
// A picture that libjpeg cannot decode, with libjpeg's own text.
AppError jpegError(const QString& decoderText);

} // namespace ejteto
