// Where the level is kept: beside the executable when the program folder may
// be written, else in the user's own configuration folder. Each case stores a
// level through the chosen file and starts again, as closing and reopening
// the window does.
#include "app/error_box.h"
#include "app/settings.h"
#include "app/settings_location.h"

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
    int fds[2];
    if (::pipe(fds) != 0)
        return QStringLiteral("(no pipe)");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(3);
        const QByteArray report = scenario().toUtf8();
        ::_exit(::write(fds[1], report.constData(), static_cast<size_t>(report.size())) == report.size() ? 0 : 4);
    }
    ::close(fds[1]);
    QByteArray received;
    char buffer[512];
    for (ssize_t got; (got = ::read(fds[0], buffer, sizeof buffer)) > 0;)
        received.append(buffer, got);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("(child failed with status %1)").arg(status);
    return QString::fromUtf8(received);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// A program folder "app" and a configuration folder "config" (not made yet)
// in a temporary folder; the scenario runs as a user bound by permissions.
class SettingsLocation : public ::testing::Test {
protected:
    enum class Beside { None, ReadOnly, Writable };

    // Sets up the program folder with its settings file, makes it read-only
    // when asked, then closes and restarts twice, storing level 2 and then 1.
    // Reports which file each start reads and each close writes, and what
    // every settings file holds at the end.
    QString run(bool folderWritable, Beside beside, const std::function<void()>& before = {})
    {
        const QString root = dir_.path();
        const QString app = root + QStringLiteral("/app/");
        const QString config = root + QStringLiteral("/config");
        return asUserBoundByPermissions(root, [=] {
            if (!QDir().mkpath(app))
                return QStringLiteral("(no program folder)");
            if (beside != Beside::None &&
                (!writeAll(app + QStringLiteral("et.ini"), "[User]\r\nLevel=1\r\n") ||
                 !QFile::setPermissions(app + QStringLiteral("et.ini"),
                                        beside == Beside::Writable ? QFile::ReadOwner | QFile::WriteOwner
                                                                   : QFile::ReadOwner)))
                return QStringLiteral("(no settings file)");
            if (before)
                before();
            if (!folderWritable && ::chmod(QFile::encodeName(app).constData(), 0555) != 0)
                return QStringLiteral("(cannot protect the folder)");

            const auto shown = [&](const QString& path) { return QString(path).remove(root + QLatin1Char('/')); };
            QString report;
            for (const int32_t level : {2, 1}) {
                const QString from = ejteto::levelFileToRead(app, config);
                report += QStringLiteral("start reads %1 (%2); ").arg(shown(from)).arg(ejteto::readLevel(from));
                QString failure;
                ejteto::setErrorSink([&](const QString& text) { failure = text; });
                const QString to = ejteto::levelFileToWrite(app, config);
                ejteto::runGuarded([&] { ejteto::writeLevel(to, level); });
                ejteto::setErrorSink({});
                report += QStringLiteral("close writes %1 to %2%3; ").arg(level).arg(shown(to)).arg(shown(failure));
            }
            report += QStringLiteral("beside: %1; per user: %2")
                          .arg(QString::fromLatin1(readAll(app + QStringLiteral("et.ini"))),
                               QString::fromLatin1(readAll(config + QStringLiteral("/ejteto/et.ini"))));
            ::chmod(QFile::encodeName(app).constData(), 0755); // so the folder can be cleaned up
            return report.replace(QStringLiteral("\r\n"), QStringLiteral("|"))
                .replace(QLatin1Char('\n'), QLatin1Char('|'));
        });
    }

    QTemporaryDir dir_;
};

TEST_F(SettingsLocation, WritableProgramFolderKeepsItsOwnFileEvenWhenAUserFileExists)
{
    const QString config = dir_.path() + QStringLiteral("/config/ejteto");
    EXPECT_EQ(run(true, Beside::None,
                  [&] {
                      QDir().mkpath(config);
                      writeAll(config + QStringLiteral("/et.ini"), "[User]\nLevel=0\n");
                  }).toStdString(),
              "start reads app/et.ini (0); close writes 2 to app/et.ini; "
              "start reads app/et.ini (2); close writes 1 to app/et.ini; "
              "beside: [User]|Level=1|; per user: [User]|Level=0|");
}

TEST_F(SettingsLocation, ReadOnlyProgramFolderWithoutAFileStoresTheLevelPerUser)
{
    EXPECT_EQ(run(false, Beside::None).toStdString(),
              "start reads app/et.ini (0); close writes 2 to config/ejteto/et.ini; "
              "start reads config/ejteto/et.ini (2); close writes 1 to config/ejteto/et.ini; "
              "beside: (none); per user: [User]|Level=1|");
    // The configuration folder that had to be made is private to its user.
    EXPECT_EQ(QFileInfo(dir_.path() + QStringLiteral("/config")).permissions().toInt() & 0x0077, 0);
}

TEST_F(SettingsLocation, ReadOnlyFileInReadOnlyFolderGivesTheFirstLevelThenThePerUserFileWins)
{
    EXPECT_EQ(run(false, Beside::ReadOnly).toStdString(),
              "start reads app/et.ini (1); close writes 2 to config/ejteto/et.ini; "
              "start reads config/ejteto/et.ini (2); close writes 1 to config/ejteto/et.ini; "
              "beside: [User]|Level=1|; per user: [User]|Level=1|");
}

TEST_F(SettingsLocation, WritableFileInReadOnlyFolderIsRewrittenInPlace)
{
    EXPECT_EQ(run(false, Beside::Writable).toStdString(),
              "start reads app/et.ini (1); close writes 2 to app/et.ini; "
              "start reads app/et.ini (2); close writes 1 to app/et.ini; "
              "beside: [User]|Level=1|; per user: (none)");
}

TEST_F(SettingsLocation, PerUserFolderThatCannotBeMadeIsReportedOnClose)
{
    // The configuration folder lies inside the read-only program folder.
    const QString root = dir_.path();
    const QString report = asUserBoundByPermissions(root, [&] {
        const QString app = root + QStringLiteral("/app/");
        QDir().mkpath(app);
        ::chmod(QFile::encodeName(app).constData(), 0555);
        QString failure;
        ejteto::setErrorSink([&](const QString& text) { failure = text; });
        ejteto::runGuarded([&] { ejteto::writeLevel(ejteto::levelFileToWrite(app, app + QStringLiteral("cfg")), 2); });
        ejteto::setErrorSink({});
        ::chmod(QFile::encodeName(app).constData(), 0755);
        return failure;
    });
    EXPECT_EQ(report.toStdString(),
              QStringLiteral("Unable to write to %1/app/cfg/ejteto/et.ini.").arg(root).toStdString());
}

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
