#pragma once
// Reading a whole file of the installation without ever waiting on it. Only a
// regular file up to a size that fits its kind is read: a FIFO, a device (a
// link to /dev/zero), a socket or a folder is refused at once, and so is a
// file larger than any sane table, settings file or picture, so a broken
// installation can neither hang the start nor eat the memory.
#include <QByteArray>
#include <QString>
#include <optional>

namespace ejteto {

// Largest files the program reads, by kind.
constexpr qint64 kMaxTableBytes = 16 * 1024 * 1024;
constexpr qint64 kMaxSettingsBytes = 256 * 1024;
constexpr qint64 kMaxPictureBytes = 16 * 1024 * 1024;

struct FileRead {
    std::optional<QByteArray> bytes; // the whole content, when it was read
    int error = 0;                   // errno of a failed open or read
    QString reason;                  // why it was not read, for the message
};

enum class WriterLock {
    Ignore,
    // The file is shared with other readers, but one that a writer holds is
    // refused at once instead of being waited for.
    RefuseWhileWritten,
};

// The content of the regular file at `path`, if it holds at most `maxBytes`.
// Otherwise the reason: the system's text for a failed open or read ("No such
// file or directory", "Is a directory", "Permission denied"), "Not a regular
// file", or the system's text for a file over the size ("File too large").
FileRead readRegularFile(const QString& path, qint64 maxBytes, WriterLock lock = WriterLock::Ignore);

// True when `path` names a FIFO, a device or a socket (links followed). Such a
// file never ends or never opens; found without opening it.
bool isSpecialFile(const QString& path);

// The same, raising "Cannot open file "%s". %s" with the reason on failure.
QByteArray readRegularFileOrThrow(const QString& path, qint64 maxBytes, WriterLock lock = WriterLock::Ignore);

} // namespace ejteto
