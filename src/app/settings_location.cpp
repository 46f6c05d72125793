#include "app/settings_location.h"

#include "app/settings_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <unistd.h>

namespace ejteto {

namespace {

QString besideExecutable(const QString& appDir) { return appDir + QStringLiteral("et.ini"); }

QString perUserFolder(const QString& configHome) { return configHome + QStringLiteral("/ejteto"); }

QString perUser(const QString& configHome) { return perUserFolder(configHome) + QStringLiteral("/et.ini"); }

// Asks the kernel rather than reading mode bits: that covers root, access
// control lists and read-only mounts alike.
bool writable(const QString& path) { return ::access(QFile::encodeName(path).constData(), W_OK) == 0; }

bool besideIsWritten(const QString& appDir)
{
    const QString beside = besideExecutable(appDir);
    return writable(appDir) || (QFileInfo::exists(beside) && writable(beside));
}

} // namespace

QString userConfigHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

QString levelFileToRead(const QString& appDir, const QString& configHome)
{
    if (besideIsWritten(appDir) || !QFileInfo::exists(perUser(configHome)))
        return besideExecutable(appDir);
    return perUser(configHome);
}

QString settingsRecoveryFolder(const QString& configHome) { return perUserFolder(configHome); }

void recoverInterruptedSaves(const QString& appDir, const QString& configHome)
{
    const QString recovery = settingsRecoveryFolder(configHome);
    recoverSettingsFile(besideExecutable(appDir), recovery);
    recoverSettingsFile(perUser(configHome), recovery);
}

QString levelFileToWrite(const QString& appDir, const QString& configHome)
{
    if (besideIsWritten(appDir))
        return besideExecutable(appDir);
    // A missing base folder is made private to its user, as the base folder
    // for configuration should be. A folder that cannot be made shows as the
    // usual "Unable to write to" when the level is written.
    if (!QFileInfo::exists(configHome) && QDir().mkpath(configHome))
        QFile::setPermissions(configHome, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(perUserFolder(configHome));
    return perUser(configHome);
}

} // namespace ejteto
