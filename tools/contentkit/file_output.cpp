#include "contentkit/file_output.h"

#include "app/app_error.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace ejteto::contentkit {

void writeFileAtomically(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw AppError(QStringLiteral("EWriteError"),
                       QStringLiteral("Unable to write to %1: %2").arg(path, file.errorString()));
}

} // namespace ejteto::contentkit
