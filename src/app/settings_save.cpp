#include "app/settings_save.h"

#include "app/regular_file.h"
#include "app/scoped_fd.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ejteto {

namespace {

// Temporaries are "<file name>" + this + six random characters (mkstemp's);
// only names of exactly that form are ever removed as leftovers.
constexpr char kTempInfix[] = ".ejteto-save-";
constexpr int kTempRandomChars = 6;
// A recovery copy begins with this line and the path of the file it belongs
// to, so a copy is never written back to another file.
constexpr char kRecoveryMagic[] = "ejteto settings recovery copy\n";

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray& path) { return path.mid(path.lastIndexOf('/') + 1); }

bool writeAllAt(int fd, const QByteArray& bytes, off_t at)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, size_t(bytes.size() - done), at + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

std::optional<QByteArray> readAllFrom(int fd, qint64 maxBytes)
{
    QByteArray bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            return bytes;
        bytes.append(buffer, n);
        if (bytes.size() > maxBytes)
            return std::nullopt;
    }
}

void syncFolder(const QByteArray& folder)
{
    const ScopedFd dir(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.isValid())
        ::fsync(dir.get());
}

// The file a save replaces, opened for reading once it has passed the rules
// on links; `exists` false when there is none yet (and no link either).
struct Target {
    QByteArray path; // the file itself: a link's target, resolved
    ScopedFd fd{-1};
    struct stat status {};
    bool exists = false;
    QByteArray content;
};

std::optional<Target> openTarget(const QString& path)
{
    Target t;
    t.path = QFile::encodeName(path);
    struct stat link {};
    if (::lstat(t.path.constData(), &link) != 0)
        return errno == ENOENT ? std::optional<Target>(std::move(t)) : std::nullopt;
    const uid_t me = ::geteuid();
    const bool viaLink = S_ISLNK(link.st_mode);
    if (viaLink) {
        // Only the user's own link to the user's own file: a link someone
        // else could have planted is never followed, and root follows none.
        if (me == 0 || link.st_uid != me)
            return std::nullopt;
        char* resolved = ::realpath(t.path.constData(), nullptr);
        if (resolved == nullptr)
            return std::nullopt; // dangling: its target is never created
        t.path = resolved;
        std::free(resolved);
    }
    // O_NOFOLLOW: the file checked below is the one opened, even if a link
    // is put in its place meanwhile. O_NONBLOCK: a FIFO is never waited on.
    t.fd = ScopedFd(::open(t.path.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!t.fd.isValid() || ::fstat(t.fd.get(), &t.status) != 0 || !S_ISREG(t.status.st_mode) ||
        t.status.st_size > kMaxSettingsBytes)
        return std::nullopt;
    if (viaLink && t.status.st_uid != me)
        return std::nullopt;
    std::optional<QByteArray> content = readAllFrom(t.fd.get(), kMaxSettingsBytes);
    if (!content)
        return std::nullopt;
    t.content = std::move(*content);
    t.exists = true;
    return t;
}

// A new temporary beside `path`, open for writing; its name in `name`.
ScopedFd makeTemporary(const QByteArray& path, QByteArray& name)
{
    name = path + kTempInfix + QByteArray(kTempRandomChars, 'X');
    return ScopedFd(::mkostemp(name.data(), O_CLOEXEC));
}

bool isLeftoverName(const QByteArray& entry, const QByteArray& fileName)
{
    const QByteArray prefix = fileName + kTempInfix;
    return entry.startsWith(prefix) && entry.size() == prefix.size() + kTempRandomChars;
}

// Removes the temporaries a killed save of `fileName` left in `folder`: only
// regular files of the program's naming that belong to the running user.
void removeLeftovers(const QByteArray& folder, const QByteArray& fileName)
{
    DIR* dir = ::opendir(folder.constData());
    if (dir == nullptr)
        return;
    while (const dirent* e = ::readdir(dir)) {
        const QByteArray entry(e->d_name);
        struct stat st {};
        if (isLeftoverName(entry, fileName) && ::fstatat(::dirfd(dir), e->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(st.st_mode) && st.st_uid == ::geteuid())
            ::unlinkat(::dirfd(dir), e->d_name, 0);
    }
    ::closedir(dir);
}

// Beside the file, through a synced temporary renamed over it; false when
// the folder takes no new file (then `folderRefused` is set) or the write
// fails, with nothing left behind.
bool replaceByRename(const Target& t, const QByteArray& content, bool& folderRefused)
{
    QByteArray temp;
    const ScopedFd fd = makeTemporary(t.path, temp);
    if (!fd.isValid()) {
        folderRefused = errno == EACCES || errno == EPERM || errno == EROFS;
        return false;
    }
    mode_t mode = 0;
    if (t.exists) {
        mode = t.status.st_mode & 07777;
        if (::geteuid() == 0) {
            // The file keeps its owner, as a rewrite would; where that cannot
            // be, it is still saved, as root's.
            [[maybe_unused]] const int owned = ::fchown(fd.get(), t.status.st_uid, t.status.st_gid);
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    const bool written = writeAllAt(fd.get(), content, 0) && ::fchmod(fd.get(), mode) == 0 && ::fsync(fd.get()) == 0 &&
                         ::rename(temp.constData(), t.path.constData()) == 0;
    if (!written) {
        ::unlink(temp.constData());
        return false;
    }
    syncFolder(folderOf(t.path));
    return true;
}

QByteArray recoveryCopyPath(const QString& recoveryDir, const QByteArray& target)
{
    const QByteArray key = QCryptographicHash::hash(target, QCryptographicHash::Sha256).toHex().left(16);
    return QFile::encodeName(recoveryDir) + "/restore-" + key + ".ini";
}

// The old content of `t` from its recovery copy, when there is one that
// belongs to it.
std::optional<QByteArray> recoveredContent(const QByteArray& copyPath, const Target& t)
{
    const ScopedFd fd(::open(copyPath.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (!fd.isValid() || ::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid())
        return std::nullopt;
    const std::optional<QByteArray> copy = readAllFrom(fd.get(), kMaxSettingsBytes + 4096);
    const QByteArray head = kRecoveryMagic + t.path + '\n';
    if (!copy || !copy->startsWith(head))
        return std::nullopt;
    return copy->mid(head.size());
}

// Makes the missing folders of `path` private to the user, as the base
// folder for configuration should be: a recovery copy holds the user's file.
bool makePrivateFolders(const QByteArray& path)
{
    struct stat st {};
    if (::stat(path.constData(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const QByteArray parent = folderOf(path);
    if (parent != path && !makePrivateFolders(parent))
        return false;
    return ::mkdir(path.constData(), 0700) == 0 || errno == EEXIST;
}

bool writeRecoveryCopy(const QString& recoveryDir, const Target& t, QByteArray& copyPath)
{
    if (!makePrivateFolders(QFile::encodeName(QDir::cleanPath(recoveryDir))))
        return false;
    copyPath = recoveryCopyPath(recoveryDir, t.path);
    // A copy left by a save that was cut short holds the last content known
    // whole: it stays until a rewrite has ended.
    if (recoveredContent(copyPath, t))
        return true;
    QByteArray temp;
    const ScopedFd fd = makeTemporary(copyPath, temp);
    if (!fd.isValid())
        return false;
    const QByteArray copy = kRecoveryMagic + t.path + '\n' + t.content;
    if (!writeAllAt(fd.get(), copy, 0) || ::fsync(fd.get()) != 0 ||
        ::rename(temp.constData(), copyPath.constData()) != 0) {
        ::unlink(temp.constData());
        return false;
    }
    syncFolder(folderOf(copyPath));
    return true;
}

void removeRecoveryCopy(const QByteArray& copyPath)
{
    if (::unlink(copyPath.constData()) == 0)
        syncFolder(folderOf(copyPath));
}

// The file opened for writing, when it is still the file that was read.
ScopedFd openForRewrite(const Target& t)
{
    ScopedFd fd(::open(t.path.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat st {};
    if (!fd.isValid() || ::fstat(fd.get(), &st) != 0 || st.st_dev != t.status.st_dev || st.st_ino != t.status.st_ino)
        return ScopedFd(-1);
    return fd;
}

bool rewrite(int fd, const QByteArray& content)
{
    return writeAllAt(fd, content, 0) && ::ftruncate(fd, off_t(content.size())) == 0 && ::fsync(fd) == 0;
}

// Where the file stands, keeping a recovery copy for as long as its content
// is in between.
bool replaceInPlace(const Target& t, const QByteArray& content, const QString& recoveryDir)
{
    const ScopedFd fd = openForRewrite(t);
    if (!fd.isValid())
        return false;
    QByteArray copyPath;
    if (!writeRecoveryCopy(recoveryDir, t, copyPath))
        return false;
    // Room for the whole new content first: a full disk then fails here,
    // before a byte of the file has changed.
    if (content.size() > t.content.size() && ::fallocate(fd.get(), 0, 0, off_t(content.size())) != 0 &&
        errno != EOPNOTSUPP && errno != ENOSYS) {
        removeRecoveryCopy(copyPath);
        return false;
    }
    if (rewrite(fd.get(), content)) {
        removeRecoveryCopy(copyPath);
        return true;
    }
    // The old content fits where it stood; if even that fails, the copy
    // stays for the next start.
    if (rewrite(fd.get(), t.content))
        removeRecoveryCopy(copyPath);
    return false;
}

} // namespace

bool saveSettingsFile(const QString& path, const SettingsUpdate& update, const QString& recoveryDir)
{
    const std::optional<Target> target = openTarget(path);
    if (!target) {
        // Reading through any link is harmless: a file that would not change
        // need not be written, so leaving the program never fails for it.
        const FileRead current = readRegularFile(path, kMaxSettingsBytes);
        return current.bytes && !update(current.bytes);
    }
    const std::optional<QByteArray> content =
        update(target->exists ? std::optional<QByteArray>(target->content) : std::nullopt);
    if (!content)
        return true;
    bool folderRefused = false;
    if (replaceByRename(*target, *content, folderRefused))
        return true;
    // A file in a folder that takes no new file can only be rewritten where
    // it stands.
    return folderRefused && target->exists && replaceInPlace(*target, *content, recoveryDir);
}

void recoverSettingsFile(const QString& path, const QString& recoveryDir) noexcept
{
    try {
        if (const std::optional<Target> t = openTarget(path); t && t->exists) {
            const QByteArray copyPath = recoveryCopyPath(recoveryDir, t->path);
            if (const std::optional<QByteArray> old = recoveredContent(copyPath, *t)) {
                const ScopedFd fd = openForRewrite(*t);
                if (*old == t->content || (fd.isValid() && rewrite(fd.get(), *old)))
                    removeRecoveryCopy(copyPath);
            }
            removeLeftovers(folderOf(t->path), nameOf(t->path));
            removeLeftovers(folderOf(copyPath), nameOf(copyPath));
        }
        const QByteArray lexical = QFile::encodeName(path);
        removeLeftovers(folderOf(lexical), nameOf(lexical));
    } catch (...) {
        // Out of memory at start: the repair waits for another start.
    }
}

} // namespace ejteto
