#pragma once
// Where the level is kept. A portable folder (one its user may write to)
// keeps "et.ini" beside the executable, as it always has. A program folder
// the user cannot write to (a system-wide installation) keeps the level per
// user in $XDG_CONFIG_HOME/ejteto/et.ini instead, so closing the window never
// fails there. A settings file beside the executable that the user may write
// is always used, even in a folder that is otherwise read-only.
#include <QString>

namespace ejteto {

// $XDG_CONFIG_HOME when it names an absolute folder, else ~/.config.
QString userConfigHome();

// The file the level is read from: the per-user file once it exists, unless
// the file beside the executable is the one written (see below); otherwise
// the file beside the executable, which a system-wide installation may ship
// with a default level.
QString levelFileToRead(const QString& appDir, const QString& configHome = userConfigHome());

// The file the level is written to: beside the executable when that folder
// is writable or the file there exists and is writable, else the per-user
// file, whose folder is made if missing.
QString levelFileToWrite(const QString& appDir, const QString& configHome = userConfigHome());

// The per-user folder where an in-place rewrite of a settings file keeps the
// copy that the next start writes back if the rewrite was cut short.
QString settingsRecoveryFolder(const QString& configHome = userConfigHome());

// Repairs, at start and before the level is read, what a save of either
// settings file cut short left behind (see recoverSettingsFile).
void recoverInterruptedSaves(const QString& appDir, const QString& configHome = userConfigHome());

} // namespace ejteto
