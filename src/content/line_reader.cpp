#include "content/line_reader.h"

#include "app/app_error.h"
#include "content/cp1250.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

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

QStringList readTableLines(const QString& path)
{
    // Opened for reading with a shared lock: other readers are welcome, a
    // writer that holds the file is refused at once rather than waited for,
    // so a stuck writer can never hang the start-up.
    const QByteArray native = path.toLocal8Bit();
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw fileOpenErrorFromErrno(path, errno);
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        ::close(fd);
        throw fileOpenErrorFromErrno(path, EWOULDBLOCK);
    }
    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            const int err = errno;
            if (err == EINTR)
                continue;
            ::close(fd);
            throw fileOpenErrorFromErrno(path, err);
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    return splitTableLines(bytes);
}

QStringList LoadLines(const QString& appDir, const QString& name)
{
    return readTableLines(appDir + name);
}

} // namespace ejteto
