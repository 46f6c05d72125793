#include "media/media_errors.h"

#include "media/gst_runtime.h"

namespace ejteto {

AppError mciDeviceError(const QString& serviceText) { return AppError(QStringLiteral("EMCIDeviceError"), serviceText); }

AppError fileNotFoundError() { return mciDeviceError(notFoundText()); }

AppError recordingTooLongError(const QString& path)
{
    return AppError(QStringLiteral("ERecordingTooLong"),
                    QStringLiteral("A(z) %1 felvétel túl hosszú (legfeljebb egy perc lehet).").arg(path));
}

AppError noDeviceOpenError() { return mciDeviceError(QStringLiteral("No MCI device open")); }

AppError jpegError(const QString& decoderText) { return AppError(QStringLiteral("EJPEG"), decoderText); }

AppError pictureTooLargeError(QSize declared, int maxSide)
{
    return AppError(QStringLiteral("EPictureTooLarge"),
                    QStringLiteral("Picture too large (%1 x %2 pixels, at most %3 x %3)")
                        .arg(declared.width())
                        .arg(declared.height())
                        .arg(maxSide));
}

} // namespace ejteto
