#pragma once
// The errors the media code raises, one maker per error class, so a class
// name is spelled in one place.
#include "app/app_error.h"

#include <QSize>

namespace ejteto {

// A file the media service cannot open, or a service that cannot start;
// the text is the service's own ("Resource not found.").
AppError mciDeviceError(const QString& serviceText);
// What the service says of a file that is not there ("Resource not found."),
// for a recording that is never looked for.
AppError fileNotFoundError();
// A recording longer than a blocking play may last, naming its file:
// "A(z) %1 felvétel túl hosszú (legfeljebb egy perc lehet)."
AppError recordingTooLongError(const QString& path);
// A play, pause, stop or rewind with no file open.
AppError noDeviceOpenError();
// A picture that libjpeg cannot decode, with libjpeg's own text.
AppError jpegError(const QString& decoderText);
// A picture whose header declares more than `maxSide` pixels on a side:
// "Picture too large (W x H pixels, at most N x N)".
AppError pictureTooLargeError(QSize declared, int maxSide);

} // namespace ejteto
