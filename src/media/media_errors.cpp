#include "media/media_errors.h"

namespace ejteto {

AppError mciDeviceError(const QString& serviceText)
{
    return AppError(QStringLiteral("EMCIDeviceError"), serviceText);
}

AppError noDeviceOpenError()
{
    return mciDeviceError(QStringLiteral("No MCI device open"));
}

AppError jpegError(const QString& decoderText)
{
    return AppError(QStringLiteral("EJPEG"), decoderText);
}

} // namespace ejteto
