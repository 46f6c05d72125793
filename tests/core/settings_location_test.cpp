// Where the level is kept: beside the executable when the program folder may
// be written, else in the user's own configuration folder. Each case stores a
// level through the chosen file and starts again, as closing and reopening
// the window does.
#include "app/app_error.h"
#include "app/settings.h"
#include "app/settings_location.h"
#include "support/child_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Folder permissions mean nothing to root, so as root the scenario runs in a
// child process as the unprivileged user "nobody", whose report comes back
// through a pipe.
QString asUserBoundByPermissions(const QString& root, const std::function<QString()>& scenario)
{
    if (::geteuid() != 0)
        return scenario();
    const uid_t nobody = 65534;
    if (::chown(QFile::encodeName(root).constData(), nobody, nobody) != 0)
        return QStringLiteral("(cannot hand the folder over)");
    return ejteto::testing::inChildProcess(ejteto::testing::becomeNobody, scenario);
}

QByteArray readLocationFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

bool writeLocationFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

struct LocationCase {
    const char* name;
    bool folderWritable;
    enum { NoFile, ReadOnlyFile, WritableFile } beside;
    bool userFileFirst;     // the user already has a per-user file (level 0)
    const char* configHome; // relative to the temporary folder
    const char* expected;
};

void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.name; }

class SettingsLocation : public ::testing::TestWithParam<LocationCase> {};

// Sets up the program folder "app" with its settings file, then starts and
// closes twice, storing level 2 and then 1, as a user bound by permissions.
// Reports which file each start reads and each close writes (with any error
// shown), and what the two settings files hold at the end.
TEST_P(SettingsLocation, KeepsTheLevelWhereItsUserMayWriteIt)
{
    const LocationCase& c = GetParam();
    QTemporaryDir dir;
    const QString root = dir.path() + QLatin1Char('/');
    const QString app = root + QStringLiteral("app/");
    const QString config = root + QLatin1String(c.configHome);
    const QString report = asUserBoundByPermissions(dir.path(), [&] {
        const QString beside = app + QStringLiteral("et.ini");
        const QString perUser = config + QStringLiteral("/ejteto/et.ini");
        QDir().mkpath(app);
        if (c.beside != LocationCase::NoFile)
            writeLocationFile(beside, "[User]\r\nLevel=1\r\n");
        if (c.beside == LocationCase::ReadOnlyFile)
            QFile::setPermissions(beside, QFile::ReadOwner);
        if (c.userFileFirst) {
            QDir().mkpath(config + QStringLiteral("/ejteto"));
            writeLocationFile(perUser, "[User]\nLevel=0\n");
        }
        if (!c.folderWritable)
            ::chmod(QFile::encodeName(app).constData(), 0555);

        QString out;
        for (const int32_t level : {2, 1}) {
            const QString from = ejteto::levelFileToRead(app, config);
            out += QStringLiteral("start reads %1 (%2); ").arg(from).arg(ejteto::readLevel(from));
            QString failure;
            const QString to = ejteto::levelFileToWrite(app, config);
            try {
                ejteto::writeLevel(to, level, ejteto::settingsRecoveryFolder(config));
            } catch (const ejteto::AppError& e) {
                failure = QLatin1Char(' ') + e.message() + QLatin1Char('.');
            }
            out += QStringLiteral("close writes %1 to %2%3; ").arg(level).arg(to, failure);
        }
        out += QStringLiteral("beside: %1; per user: %2")
                   .arg(QString::fromLatin1(readLocationFile(beside)), QString::fromLatin1(readLocationFile(perUser)));
        ::chmod(QFile::encodeName(app).constData(), 0755); // so the folder can be cleaned up
        return out;
    });
    EXPECT_EQ(QString(report)
                  .remove(root)
                  .replace(QStringLiteral("\r\n"), QStringLiteral("|"))
                  .replace(QLatin1Char('\n'), QLatin1Char('|'))
                  .toStdString(),
              c.expected);
    if (QLatin1String(c.configHome) == QLatin1String("config") && !c.userFileFirst && !c.folderWritable) {
        EXPECT_EQ(QFileInfo(config).permissions().toInt() & 0x0077, 0) << "a new configuration folder is private";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsLocation,
    ::testing::Values(
        LocationCase{"writable_folder_keeps_its_file_even_beside_a_user_file", true, LocationCase::NoFile, true,
                     "config",
                     "start reads app/et.ini (0); close writes 2 to app/et.ini; "
                     "start reads app/et.ini (2); close writes 1 to app/et.ini; "
                     "beside: [User]|Level=1|; per user: [User]|Level=0|"},
        LocationCase{"read_only_folder_without_a_file_stores_per_user", false, LocationCase::NoFile, false, "config",
                     "start reads app/et.ini (0); close writes 2 to config/ejteto/et.ini; "
                     "start reads config/ejteto/et.ini (2); close writes 1 to config/ejteto/et.ini; "
                     "beside: (none); per user: [User]|Level=1|"},
        LocationCase{"read_only_file_gives_the_first_level_then_the_user_file_wins", false, LocationCase::ReadOnlyFile,
                     false, "config",
                     "start reads app/et.ini (1); close writes 2 to config/ejteto/et.ini; "
                     "start reads config/ejteto/et.ini (2); close writes 1 to config/ejteto/et.ini; "
                     "beside: [User]|Level=1|; per user: [User]|Level=1|"},
        LocationCase{"writable_file_in_read_only_folder_is_rewritten_in_place", false, LocationCase::WritableFile,
                     false, "config",
                     "start reads app/et.ini (1); close writes 2 to app/et.ini; "
                     "start reads app/et.ini (2); close writes 1 to app/et.ini; "
                     "beside: [User]|Level=1|; per user: (none)"},
        LocationCase{"per_user_folder_that_cannot_be_made_is_reported", false, LocationCase::NoFile, false, "app/cfg",
                     "start reads app/et.ini (0); close writes 2 to app/cfg/ejteto/et.ini Unable to write to "
                     "app/cfg/ejteto/et.ini.; start reads app/et.ini (0); close writes 1 to app/cfg/ejteto/et.ini "
                     "Unable to write to app/cfg/ejteto/et.ini.; beside: (none); per user: (none)"}),
    [](const ::testing::TestParamInfo<LocationCase>& info) { return std::string(info.param.name); });

TEST(UserConfigHome, AbsoluteXdgFolderElseDotConfigInHome)
{
    const QByteArray savedXdg = qgetenv("XDG_CONFIG_HOME");
    const QByteArray savedHome = qgetenv("HOME");
    qputenv("HOME", "/home/éva");
    qputenv("XDG_CONFIG_HOME", "/srv/beállítások");
    EXPECT_EQ(ejteto::userConfigHome().toStdString(), "/srv/beállítások");
    for (const char* ignored : {"", "relative/config"}) {
        qputenv("XDG_CONFIG_HOME", ignored);
        EXPECT_EQ(ejteto::userConfigHome().toStdString(), "/home/éva/.config") << ignored;
    }
    qputenv("HOME", savedHome);
    if (savedXdg.isNull())
        qunsetenv("XDG_CONFIG_HOME");
    else
        qputenv("XDG_CONFIG_HOME", savedXdg);
}

} // namespace
