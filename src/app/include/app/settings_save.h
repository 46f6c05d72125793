#pragma once
// Saving the settings file so that no moment of the save can destroy it.
//
// In a folder the program may write, the new content goes to a temporary
// file beside the old one ("et.ini.ejteto-save-XXXXXX"), is synced and
// renamed over it. A file that can only be rewritten where it stands (a
// writable file in a read-only folder) is first copied, synced, to a
// recovery folder of the user's own; the rewrite then never starts before
// the disk has room for it, and the copy is removed once the new content is
// synced. A save cut short (a kill, a power cut) leaves either the old file
// with a stray temporary, or a recovery copy that the next start writes back.
//
// A symlink is written through only when the link and the file it names both
// belong to the user who runs the program; as root never. A dangling link's
// target is never created. Such a file is refused as a read-only one is.
#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

namespace ejteto {

// What a save makes of the file's current content (nothing when the file
// does not exist yet): the content to store, or nothing to leave the file
// as it is.
using SettingsUpdate = std::function<std::optional<QByteArray>(const std::optional<QByteArray>& current)>;

// Applies `update` to the file at `path`. Returns false, with nothing
// changed, when the file cannot be read whole as settings (not a regular
// file, too large, unreadable), may not be followed (see above), or cannot
// be written (a read-only folder or file, a read-only mount, a full disk, no
// recovery folder for an in-place rewrite).
bool saveSettingsFile(const QString& path, const SettingsUpdate& update, const QString& recoveryDir);

// Repairs what an interrupted save of `path` left: writes the recovery copy
// back when the rewrite in place was cut short, and removes the temporary
// files of the program's own naming beside the file and in `recoveryDir`.
// Anything it cannot repair now is left for a later start.
void recoverSettingsFile(const QString& path, const QString& recoveryDir) noexcept;

} // namespace ejteto
