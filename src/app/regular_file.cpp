#include "app/regular_file.h"

#include "app/app_error.h"
#include "app/scoped_fd.h"

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto {

namespace {

FileRead failure(int error) { return FileRead{std::nullopt, error, QString::fromLocal8Bit(std::strerror(error))}; }

FileRead notRegular() { return FileRead{std::nullopt, 0, QStringLiteral("Not a regular file")}; }

} // namespace

FileRead readRegularFile(const QString& path, qint64 maxBytes, WriterLock lock)
{
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a
    // writer that never comes. It does nothing to a regular file.
    const ScopedFd fd(::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (fd.get() < 0)
        return failure(errno);
    struct stat status {};
    if (::fstat(fd.get(), &status) != 0)
        return failure(errno);
    if (S_ISDIR(status.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(status.st_mode))
        return notRegular();
    if (status.st_size > maxBytes)
        return failure(EFBIG);
    if (lock == WriterLock::RefuseWhileWritten && ::flock(fd.get(), LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return failure(EWOULDBLOCK);

    // Read up to one byte past the cap: a file that grows while it is read
    // is refused as well, never read without end.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(status.st_size) + 1);
    qsizetype have = 0;
    for (;;) {
        if (have == bytes.size()) {
            if (bytes.size() > maxBytes)
                return failure(EFBIG);
            bytes.resize(std::min<qint64>(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t got = ::read(fd.get(), bytes.data() + have, static_cast<size_t>(bytes.size() - have));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return failure(errno);
        }
        if (got == 0)
            break;
        have += got;
    }
    if (have > maxBytes)
        return failure(EFBIG);
    bytes.truncate(have);
    return FileRead{std::move(bytes), 0, QString()};
}

bool isSpecialFile(const QString& path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return false;
    return !S_ISREG(status.st_mode) && !S_ISDIR(status.st_mode);
}

QByteArray readRegularFileOrThrow(const QString& path, qint64 maxBytes, WriterLock lock)
{
    FileRead r = readRegularFile(path, maxBytes, lock);
    if (!r.bytes)
        throw fileOpenError(path, r.reason);
    return std::move(*r.bytes);
}

} // namespace ejteto
