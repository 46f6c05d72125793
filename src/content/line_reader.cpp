#include "content/line_reader.h"

#include "app/regular_file.h"
#include "content/cp1250.h"

namespace ejteto {

QStringList splitTableLines(const QByteArray& all)
{
    const qsizetype zero = all.indexOf('\0');
    const QByteArrayView bytes = QByteArrayView(all).first(zero < 0 ? all.size() : zero);
    QStringList lines;
    qsizetype start = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.append(decodeCp1250(bytes.sliced(start, i - start)));
        i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < bytes.size())
        lines.append(decodeCp1250(bytes.sliced(start)));
    return lines;
}

QByteArray readTableBytes(const QString& path)
{
    // Other readers are welcome; a writer that holds the file is refused at
    // once rather than waited for, so a stuck writer can never hang the start.
    return readRegularFileOrThrow(path, kMaxTableBytes, WriterLock::RefuseWhileWritten);
}

QStringList readTableLines(const QString& path) { return splitTableLines(readTableBytes(path)); }

QStringList LoadLines(const QString& appDir, const QString& name) { return readTableLines(appDir + name); }

} // namespace ejteto
