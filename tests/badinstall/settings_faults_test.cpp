// The settings file under faults made from outside the program: the save
// killed at each of its system calls, a full disk and a read-only mount, and
// links that someone else could have planted. Whatever happens, et.ini holds
// its old or its new content once the program has started again, nothing of
// the save is left behind, and a write that may not happen fails with
// "Unable to write to ..." and changes nothing.
#include "app/app_error.h"
#include "app/settings.h"
#include "support/child_process.h"
#include "support/headless_program.h"
#include "support/tiny_install.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace ejteto::testing;

namespace {

constexpr uid_t kNobody = 65534;

const QByteArray kOld = "; written by hand\r\n[Window]\r\nLeft=10\r\n[User]\r\nLevel=1\r\n[Tail]\r\nName=\xc9va\r\n";
// One byte longer than kOld: the rewrite in place must first make room.
constexpr int32_t kNewLevel = -1;

QByteArray newContentOf(const QByteArray& old)
{
    return ejteto::iniWithValue(old, QStringLiteral("User"), QStringLiteral("Level"), QString::number(kNewLevel));
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(unreadable)");
}

bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System, QDir::Name);
}

bool runningAsRoot() { return ::geteuid() == 0; }

// The user who is not root, whose permissions apply: "nobody" when the tests
// run as root, else the user running them.
uid_t ordinaryUser() { return runningAsRoot() ? kNobody : ::geteuid(); }

void handOver(const QString& path, uid_t uid)
{
    if (runningAsRoot()) {
        ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), uid, uid), 0) << path.toStdString();
    }
}

// `scenario` run as the ordinary user: in a child process that gives up root
// when the tests run as root.
QString asOrdinaryUser(const std::function<QString()>& scenario)
{
    return runningAsRoot() ? inChildProcess(becomeNobody, scenario) : scenario();
}

// The message writing the level raises, empty when the write succeeded.
QString messageOfWrite(const QString& ini, const QString& recovery)
{
    try {
        ejteto::writeLevel(ini, kNewLevel, recovery);
    } catch (const ejteto::AppError& e) {
        return e.message();
    }
    return QString();
}

QString unableToWrite(const QString& ini) { return QStringLiteral("Unable to write to %1").arg(ini); }

// A program folder "app" holding et.ini, and the user's recovery folder,
// all the ordinary user's.
struct Scene {
    QTemporaryDir root;
    QString app = root.filePath(QStringLiteral("app"));
    QString ini = app + QStringLiteral("/et.ini");
    QString recovery = root.filePath(QStringLiteral("config/ejteto"));

    Scene()
    {
        QDir().mkpath(app);
        QDir().mkpath(recovery);
        for (const QString& p : {root.path(), app, root.filePath(QStringLiteral("config")), recovery})
            handOver(p, ordinaryUser());
    }
    ~Scene() { ::chmod(QFile::encodeName(app).constData(), 0755); }

    void writeIni(const QByteArray& bytes)
    {
        ASSERT_TRUE(writeAll(ini, bytes));
        handOver(ini, ordinaryUser());
    }
    void makeProgramFolderReadOnly() { ASSERT_EQ(::chmod(QFile::encodeName(app).constData(), 0555), 0); }

    void expectNothingLeftOfTheSave(const QStringList& appEntries = {QStringLiteral("et.ini")})
    {
        EXPECT_EQ(entries(app), appEntries);
        EXPECT_EQ(QDir(recovery).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList());
    }
};

// ---- the save killed at each of its system calls ------------------------

enum class ProgramFolder { Writable, ReadOnly };

std::string folderName(const ::testing::TestParamInfo<ProgramFolder>& info)
{
    return info.param == ProgramFolder::Writable ? "writable_folder" : "read_only_folder_rewritten_in_place";
}

struct HelperRun {
    bool finished = false;
    bool crashed = false;
    int exitCode = -1;
    QString printed;
};

// The save helper as the ordinary user can start it. As root, that user is
// "nobody", who may not enter the folder the checkout lies in (root's home,
// a home folder of mode 0700): the helper is then started from a copy in a
// temporary folder that everybody may enter, kept for the whole run.
QString startableHelper()
{
    static const QString path = [] {
        const QString built = QStringLiteral(EJTETO_SAVE_HELPER);
        if (!runningAsRoot())
            return built;
        static QTemporaryDir open(QDir::tempPath() + QStringLiteral("/ejteto-helper-XXXXXX"));
        const QString copy = open.filePath(QStringLiteral("save_level_helper"));
        if (!open.isValid() || !QFile::copy(built, copy) ||
            ::chmod(QFile::encodeName(open.path()).constData(), 0755) != 0 ||
            ::chmod(QFile::encodeName(copy).constData(), 0755) != 0)
            return built;
        return copy;
    }();
    return path;
}

// The save helper (under `strace` with `straceArgs` when given), run as the
// ordinary user.
HelperRun runHelper(const QStringList& helperArgs, const QStringList& straceArgs = {})
{
    QProcess p;
    if (runningAsRoot())
        p.setChildProcessModifier([] {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(99);
        });
    const QString helper = startableHelper();
    if (straceArgs.isEmpty()) {
        p.start(helper, helperArgs);
    } else {
        // A sanitized helper's leak check cannot run under a tracer, and would
        // end the traced save with its own error.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   asan.isEmpty() ? QStringLiteral("detect_leaks=0") : asan + QStringLiteral(":detect_leaks=0"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("strace"), straceArgs + QStringList{QStringLiteral("--"), helper} + helperArgs);
    }
    HelperRun r;
    r.finished = p.waitForFinished(30000);
    if (!r.finished)
        p.kill();
    r.crashed = p.exitStatus() == QProcess::CrashExit;
    r.exitCode = p.exitCode();
    r.printed = QString::fromUtf8(p.readAllStandardError());
    return r;
}

struct SystemCall {
    QString name;
    int nth = 0; // 1 for the first call of that name in the whole run
};

// The system calls that look at or change files. A kill at any other call
// (the time, a random number, the user id) leaves the disk as a kill at the
// next file call does, and some of them come and go between runs, so a count
// of them would not name the same call in the next run.
bool touchesFiles(const QString& name)
{
    static const QStringList calls{
        QStringLiteral("open"),       QStringLiteral("openat"),     QStringLiteral("creat"),
        QStringLiteral("read"),       QStringLiteral("pread64"),    QStringLiteral("write"),
        QStringLiteral("pwrite64"),   QStringLiteral("lseek"),      QStringLiteral("fsync"),
        QStringLiteral("fdatasync"),  QStringLiteral("rename"),     QStringLiteral("renameat"),
        QStringLiteral("renameat2"),  QStringLiteral("unlink"),     QStringLiteral("unlinkat"),
        QStringLiteral("fchmod"),     QStringLiteral("fchmodat"),   QStringLiteral("fchown"),
        QStringLiteral("fchownat"),   QStringLiteral("ftruncate"),  QStringLiteral("fallocate"),
        QStringLiteral("mkdir"),      QStringLiteral("mkdirat"),    QStringLiteral("close"),
        QStringLiteral("stat"),       QStringLiteral("lstat"),      QStringLiteral("fstat"),
        QStringLiteral("newfstatat"), QStringLiteral("statx"),      QStringLiteral("getdents64"),
        QStringLiteral("readlink"),   QStringLiteral("readlinkat"),
    };
    return calls.contains(name);
}

// Every file system call the save makes, in order, from a trace of a whole
// run of the helper: the calls between its two markers.
std::vector<SystemCall> callsOfTheSave(const QString& trace)
{
    static const QRegularExpression call(QStringLiteral("^([a-z0-9_]+)\\("));
    std::vector<SystemCall> calls;
    std::map<QString, int> seen;
    bool inSave = false;
    for (const QString& line : trace.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch m = call.match(line);
        if (!m.hasMatch())
            continue;
        const QString name = m.captured(1);
        const int nth = ++seen[name];
        if (line.contains(QLatin1String("/ejteto-save-begins"))) {
            inSave = true;
            continue;
        }
        if (line.contains(QLatin1String("/ejteto-save-ends")))
            break;
        if (inSave && touchesFiles(name))
            calls.push_back({name, nth});
    }
    return calls;
}

// strace installed and allowed to trace (a container may forbid it).
bool straceWorks()
{
    if (QStandardPaths::findExecutable(QStringLiteral("strace")).isEmpty())
        return false;
    QProcess p;
    p.start(QStringLiteral("strace"),
            {QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("true")});
    return p.waitForFinished(10000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

class SaveKilled : public ::testing::TestWithParam<ProgramFolder> {};

TEST_P(SaveKilled, AtAnySystemCallLeavesTheOldOrTheNewFileAfterTheNextStart)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace is not installed or may not trace here";
    Scene scene;
    const QByteArray expectedNew = newContentOf(kOld);
    const auto reset = [&] {
        ::chmod(QFile::encodeName(scene.app).constData(), 0755);
        scene.writeIni(kOld);
        if (GetParam() == ProgramFolder::ReadOnly)
            scene.makeProgramFolderReadOnly();
    };
    const QStringList save{QStringLiteral("save"), scene.ini, QString::number(kNewLevel), scene.recovery};
    const QStringList recover{QStringLiteral("recover"), scene.ini, scene.recovery};

    // A whole save, traced: which system calls it makes.
    reset();
    const QString tracePath = scene.root.filePath(QStringLiteral("trace"));
    ASSERT_TRUE(writeAll(tracePath, {}));
    handOver(tracePath, ordinaryUser());
    const HelperRun traced = runHelper(save, {QStringLiteral("-qq"), QStringLiteral("-o"), tracePath});
    ASSERT_TRUE(traced.finished && !traced.crashed && traced.exitCode == 0) << traced.printed.toStdString();
    ASSERT_EQ(readAll(scene.ini), expectedNew);
    const std::vector<SystemCall> calls = callsOfTheSave(QString::fromUtf8(readAll(tracePath)));
    QFile::remove(tracePath);
    ASSERT_GE(calls.size(), 5u) << "the trace shows no save";

    for (const SystemCall& c : calls) {
        const std::string where = QStringLiteral("killed at %1 #%2").arg(c.name).arg(c.nth).toStdString();
        SCOPED_TRACE(where);
        reset();
        const HelperRun killed =
            runHelper(save, {QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                             QStringLiteral("-e"), QStringLiteral("trace=") + c.name, QStringLiteral("-e"),
                             QStringLiteral("inject=%1:signal=KILL:when=%2").arg(c.name).arg(c.nth)});
        ASSERT_TRUE(killed.finished);
        EXPECT_TRUE(killed.crashed || killed.exitCode == 128 + SIGKILL) << "the save was not killed";

        const HelperRun restarted = runHelper(recover);
        ASSERT_TRUE(restarted.finished && restarted.exitCode == 0) << restarted.printed.toStdString();
        const QByteArray after = readAll(scene.ini);
        EXPECT_TRUE(after == kOld || after == expectedNew) << after.toStdString();
        scene.expectNothingLeftOfTheSave();
    }
}

// The program itself, started after a rewrite in place was killed half way
// (the new, shorter content written over the old, the rest not yet cut off):
// the file is neither, and the start writes the old content back.
TEST(SaveKilledInPlace, TheNextStartOfTheProgramRestoresTheOldContent)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace is not installed or may not trace here";
    TinyInstall install;
    const QString program = install.copyProgram();
    const QString app = QDir::cleanPath(install.dir());
    const QString ini = app + QStringLiteral("/et.ini");
    QTemporaryDir home;
    const QString config = home.filePath(QStringLiteral("config"));
    const QString recovery = config + QStringLiteral("/ejteto");
    QDir().mkpath(recovery);
    const QByteArray old = "; kept\n[User]\nLevel=-1\n";
    ASSERT_TRUE(writeAll(ini, old));
    for (const QString& p : {app, ini, home.path(), config, recovery})
        handOver(p, ordinaryUser());
    ASSERT_EQ(::chmod(QFile::encodeName(program).constData(), 0755), 0);
    ASSERT_EQ(::chmod(QFile::encodeName(app).constData(), 0555), 0);

    const HelperRun killed = runHelper({QStringLiteral("save"), ini, QStringLiteral("2"), recovery},
                                       {QStringLiteral("-qq"), QStringLiteral("-o"), QStringLiteral("/dev/null"),
                                        QStringLiteral("-e"), QStringLiteral("trace=ftruncate"), QStringLiteral("-e"),
                                        QStringLiteral("inject=ftruncate:signal=KILL:when=1")});
    ASSERT_TRUE(killed.finished && (killed.crashed || killed.exitCode == 128 + SIGKILL))
        << killed.printed.toStdString();
    const QByteArray halfWritten = readAll(ini);
    ASSERT_NE(halfWritten, old);
    ASSERT_NE(halfWritten,
              ejteto::iniWithValue(old, QStringLiteral("User"), QStringLiteral("Level"), QStringLiteral("2")));

    QProcess p;
    QProcessEnvironment env = headlessProgramEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), config);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(app);
    if (runningAsRoot())
        p.setChildProcessModifier([] {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
                ::_exit(99);
        });
    p.start(program, {});
    const bool finished = p.waitForFinished(60000);
    ::chmod(QFile::encodeName(app).constData(), 0755);
    ASSERT_TRUE(finished) << "the program did not end: " << p.errorString().toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    EXPECT_EQ(readAll(ini), old);
    EXPECT_EQ(QDir(recovery).entryList(QDir::Files | QDir::Hidden), QStringList()) << "the copy is gone once used";
}

INSTANTIATE_TEST_SUITE_P(Settings, SaveKilled, ::testing::Values(ProgramFolder::Writable, ProgramFolder::ReadOnly),
                         folderName);

// ---- a full disk and a read-only mount -----------------------------------

enum class DiskFault { FullWritableFolder, FullReadOnlyFolder, ReadOnlyMount };

std::string faultName(const ::testing::TestParamInfo<DiskFault>& info)
{
    switch (info.param) {
    case DiskFault::FullWritableFolder:
        return "full_disk_writable_folder";
    case DiskFault::FullReadOnlyFolder:
        return "full_disk_read_only_folder";
    case DiskFault::ReadOnlyMount:
        return "read_only_mount";
    }
    return "?";
}

class SettingsOnABadDisk : public ::testing::TestWithParam<DiskFault> {};

TEST_P(SettingsOnABadDisk, RaisesUnableToWriteAndKeepsEveryLine)
{
    Scene scene;
    const QByteArray folder = QFile::encodeName(scene.app);
    // A page of tmpfs holds the file exactly; the new content needs a second.
    if (!runningAsRoot() || ::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=64k,mode=0755") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here (needs root)";
    handOver(scene.app, ordinaryUser());
    QByteArray old = "[User]\nLevel=1\n[Notes]\nNote=";
    old += QByteArray(4096 - old.size() - 1, 'x') + '\n';
    scene.writeIni(old);
    const QString filler = scene.app + QStringLiteral("/filler");
    QFile fill(filler);
    ASSERT_TRUE(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    while (fill.write(QByteArray(4096, 'f')) == 4096) {
    }
    fill.close();

    if (GetParam() == DiskFault::FullReadOnlyFolder)
        scene.makeProgramFolderReadOnly();
    if (GetParam() == DiskFault::ReadOnlyMount) {
        ASSERT_EQ(::mount("tmpfs", folder.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    }

    const QString shown = asOrdinaryUser([&] { return messageOfWrite(scene.ini, scene.recovery); });
    EXPECT_EQ(shown, unableToWrite(scene.ini));
    EXPECT_EQ(readAll(scene.ini), old);
    scene.expectNothingLeftOfTheSave({QStringLiteral("et.ini"), QStringLiteral("filler")});
    ::chmod(folder.constData(), 0755);
    ::umount2(folder.constData(), MNT_DETACH);
}

INSTANTIATE_TEST_SUITE_P(Settings, SettingsOnABadDisk,
                         ::testing::Values(DiskFault::FullWritableFolder, DiskFault::FullReadOnlyFolder,
                                           DiskFault::ReadOnlyMount),
                         faultName);

// ---- links ------------------------------------------------------------------

struct LinkCase {
    const char* name;
    bool writerIsRoot; // else the ordinary user writes
    uid_t linkOwner;   // 0: root; kNobody: the ordinary user
    uid_t targetOwner; // the same; the target is world-writable
    bool targetExists;
    bool writtenThrough;
};

void PrintTo(const LinkCase& c, std::ostream* os) { *os << c.name; }

class SettingsLink : public ::testing::TestWithParam<LinkCase> {};

TEST_P(SettingsLink, IsFollowedOnlyWhenLinkAndFileAreTheWritersOwn)
{
    const LinkCase& c = GetParam();
    if (!runningAsRoot() && (c.writerIsRoot || c.linkOwner == 0 || c.targetOwner == 0))
        GTEST_SKIP() << "files of another user and root's own write need root";
    Scene scene;
    const uid_t me = c.linkOwner == kNobody ? ordinaryUser() : 0;
    const QString target = scene.root.filePath(QStringLiteral("elsewhere/passwd"));
    QDir().mkpath(QFileInfo(target).path());
    handOver(QFileInfo(target).path(), c.targetOwner == kNobody ? ordinaryUser() : 0);
    const QByteArray before = "root:x:0:0:root:/root:/bin/bash\n";
    if (c.targetExists) {
        ASSERT_TRUE(writeAll(target, before));
        ASSERT_EQ(::chmod(QFile::encodeName(target).constData(), 0666), 0);
        handOver(target, c.targetOwner == kNobody ? ordinaryUser() : 0);
    }
    ASSERT_EQ(::symlink(QFile::encodeName(target).constData(), QFile::encodeName(scene.ini).constData()), 0);
    handOver(scene.ini, me);

    const auto attempt = [&] { return messageOfWrite(scene.ini, scene.recovery); };
    const QString shown = c.writerIsRoot ? attempt() : asOrdinaryUser(attempt);

    EXPECT_TRUE(QFileInfo(scene.ini).isSymLink()) << "the link itself stays";
    if (c.writtenThrough) {
        EXPECT_EQ(shown, QString());
        EXPECT_EQ(readAll(target), newContentOf(before));
    } else {
        EXPECT_EQ(shown, unableToWrite(scene.ini));
        if (c.targetExists) {
            EXPECT_EQ(readAll(target), before);
        } else {
            EXPECT_FALSE(QFileInfo::exists(target)) << "a dangling link's target is never made";
        }
    }
    EXPECT_EQ(entries(scene.app), QStringList{QStringLiteral("et.ini")});
}

INSTANTIATE_TEST_SUITE_P(
    Settings, SettingsLink,
    ::testing::Values(LinkCase{"root_never_writes_through_a_link", true, 0, 0, true, false},
                      LinkCase{"dangling_link_target_never_made", false, kNobody, kNobody, false, false},
                      LinkCase{"own_link_to_another_users_world_writable_file", false, kNobody, 0, true, false},
                      LinkCase{"planted_link_to_the_users_own_file", false, 0, kNobody, true, false},
                      LinkCase{"own_link_to_own_file_is_followed", false, kNobody, kNobody, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
