// The difficulty level in "et.ini": what the reader finds, what the writer
// changes (only the value), and how a failed write is reported.
#include "app/app_error.h"
#include "app/settings.h"
#include "support/child_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where an in-place rewrite keeps its copy: apart from the settings folder,
// whose entries the cases count.
QString recoveryFolder()
{
    static const QTemporaryDir dir;
    return dir.path();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

struct ReadCase {
    const char* name;
    QByteArray content;
    int32_t level;
};

void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }

class ReadLevelTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadLevelTest, FindsTheStoredLevel)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("et.ini"));
    writeAll(ini, GetParam().content);
    EXPECT_EQ(ejteto::readLevel(ini), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ReadLevelTest,
    ::testing::Values(
        ReadCase{"plain", "[User]\nLevel=2\n", 2},
        ReadCase{"lower_case_names", "[user]\nlevel=1\n", 1},
        ReadCase{"upper_case_names_crlf", "[USER]\r\nLEVEL=2\r\n", 2},
        ReadCase{"cr_breaks", "[User]\rLevel=2\r", 2},
        ReadCase{"no_final_break", "[User]\nLevel=1", 1},
        ReadCase{"blanks_round_names", "[ User ]\n Level = 2\n", 2},
        ReadCase{"hex_0x", "[User]\nLevel=0x1\n", 1},
        ReadCase{"hex_dollar", "[User]\nLevel=$2\n", 2},
        ReadCase{"minus_one_kept", "[User]\nLevel=-1\n", -1},
        ReadCase{"out_of_range_kept", "[User]\nLevel=5\n", 5},
        ReadCase{"not_a_number", "[User]\nLevel=abc\n", 0},
        ReadCase{"decimal_point", "[User]\nLevel=1.0\n", 0},
        ReadCase{"empty_value", "[User]\nLevel=\n", 0},
        ReadCase{"too_large", "[User]\nLevel=2147483648\n", 0},
        ReadCase{"empty_file", "", 0},
        ReadCase{"key_in_other_section", "[Users]\nLevel=2\n", 0},
        ReadCase{"key_before_any_section", "Level=2\n[User]\nName=x\n", 0},
        ReadCase{"section_after_others", "[Window]\nLevel=1\n\n[User]\nLevel=2\n", 2},
        ReadCase{"section_ends_at_next_header", "[User]\nName=x\n[Other]\nLevel=2\n", 0},
        ReadCase{"similar_key_skipped", "[User]\nLevels=1\nLevel=2\n", 2},
        ReadCase{"commented_key_skipped", "[User]\n;Level=1\nLevel=2\n", 2},
        ReadCase{"other_code_page_bytes", "[Be\xe1ll\xedt\xe1s]\n\xc9rt\xe9k=\xf5\n[User]\nLevel=1\n", 1}));

TEST(ReadLevel, MissingOrUnreadableFileGivesZero)
{
    QTemporaryDir dir;
    EXPECT_EQ(ejteto::readLevel(dir.filePath(QStringLiteral("et.ini"))), 0);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("et.ini")));
    EXPECT_EQ(ejteto::readLevel(dir.filePath(QStringLiteral("et.ini"))), 0);
}

struct WriteCase {
    const char* name;
    QByteArray before;
    int32_t level;
    QByteArray after;
};

void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }

class WriteLevelTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WriteLevelTest, ChangesOnlyTheLevel)
{
    const WriteCase& c = GetParam();
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("et.ini"));
    writeAll(ini, c.before);
    ejteto::writeLevel(ini, c.level, recoveryFolder());
    EXPECT_EQ(readAll(ini), c.after);
    EXPECT_EQ(ejteto::readLevel(ini), c.level);
    // Nothing is left behind beside the settings file.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("et.ini")});
}

INSTANTIATE_TEST_SUITE_P(
    Settings, WriteLevelTest,
    ::testing::Values(
        WriteCase{"value_replaced_in_place",
                  "; settings\r\n[Window]\r\nLeft=10\r\n\r\n[user]\r\n  level = 2 \r\nName=\xc9va\r\n[Tail]\r\nLevel=9",
                  -1,
                  "; settings\r\n[Window]\r\nLeft=10\r\n\r\n[user]\r\n  level =-1\r\nName=\xc9va\r\n[Tail]\r\nLevel=9"},
        WriteCase{"longer_value_in_place", "[User]\nLevel=0\nNext=1\n", 2147483647,
                  "[User]\nLevel=2147483647\nNext=1\n"},
        WriteCase{"key_added_to_its_section", "[User]\r\nName=x\r\n\r\n[Other]\r\nA=1\r\n", 1,
                  "[User]\r\nName=x\r\nLevel=1\r\n\r\n[Other]\r\nA=1\r\n"},
        WriteCase{"key_added_to_empty_last_section", "[Other]\nA=1\n[User]", 2,
                  "[Other]\nA=1\n[User]\nLevel=2"},
        WriteCase{"section_added_after_unbroken_last_line", "[Other]\nA=1", 0,
                  "[Other]\nA=1\n[User]\nLevel=0\n"},
        WriteCase{"section_added_with_the_file_breaks", "[Other]\r\nA=1\r\n", 2,
                  "[Other]\r\nA=1\r\n[User]\r\nLevel=2\r\n"},
        WriteCase{"empty_file", "", 1, "[User]\nLevel=1\n"}));

TEST(WriteLevel, CreatesTheFileWhenMissing)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("et.ini"));
    ejteto::writeLevel(ini, 0, recoveryFolder());
    EXPECT_TRUE(readAll(ini).split('\n').contains("Level=0"));
    EXPECT_EQ(ejteto::readLevel(ini), 0);
    for (const int32_t level : {2, -1, 1}) {
        ejteto::writeLevel(ini, level, recoveryFolder());
        EXPECT_EQ(ejteto::readLevel(ini), level);
    }
    EXPECT_EQ(readAll(ini).count("Level="), 1);
}

TEST(WriteLevel, KeepsTheFilePermissions)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("et.ini"));
    writeAll(ini, "[User]\nLevel=0\n");
    ASSERT_EQ(::chmod(QFile::encodeName(ini).constData(), 0640), 0);
    ejteto::writeLevel(ini, 2, recoveryFolder());
    struct stat st{};
    ASSERT_EQ(::stat(QFile::encodeName(ini).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

// Ways to make the write fail. Permissions mean nothing to root, so there the
// read-only folder is tried from a child process running as an unprivileged
// user. A full disk is a child process whose file size limit is too small
// for the new content.
enum class Blocker { ReadOnlyFolder, DiskFull, IniIsAFolder, FolderMissing };

class WriteFailureTest : public ::testing::TestWithParam<Blocker> {};

bool permissionsEnforced(const QString& readOnlyDir)
{
    QFile probe(readOnlyDir + QStringLiteral("/probe"));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.close();
    probe.remove();
    return false;
}

// How the child process that writes is restricted.
enum class Child { None, Unprivileged, SmallFileLimit };

// The message of the error that writing `level` raises: empty when the write
// succeeded. With a restriction, the write runs in a child process.
QString shownForWrite(const QString& ini, int32_t level, Child child)
{
    const auto attempt = [&] {
        try {
            ejteto::writeLevel(ini, level, recoveryFolder());
        } catch (const ejteto::AppError& e) {
            return e.message();
        }
        return QString();
    };
    if (child == Child::None)
        return attempt();
    return ejteto::testing::inChildProcess(
        [child] {
            if (child == Child::Unprivileged)
                return ejteto::testing::becomeNobody();
            ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            const rlimit limit{1024, 1024};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        attempt);
}

TEST_P(WriteFailureTest, RaisesUnableToWriteAndKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QByteArray dirPath = QFile::encodeName(dir.path());
    QString ini = dir.filePath(QStringLiteral("et.ini"));
    QByteArray before = "[User]\nLevel=1\n";
    Child child = Child::None;
    switch (GetParam()) {
    case Blocker::ReadOnlyFolder:
        // Neither the folder nor the file may be written (a file that may
        // be written is rewritten in place, and that write succeeds).
        writeAll(ini, before);
        ASSERT_EQ(::chmod(QFile::encodeName(ini).constData(), 0444), 0);
        ASSERT_EQ(::chmod(dirPath.constData(), 0555), 0);
        if (!permissionsEnforced(dir.path())) {
            if (::geteuid() != 0) {
                ::chmod(dirPath.constData(), 0755);
                GTEST_SKIP() << "permissions are not enforced and no other user can be taken";
            }
            child = Child::Unprivileged;
        }
        break;
    case Blocker::DiskFull:
        // A settings file larger than the child may write: a writer that
        // truncates first would leave it cut short.
        before = "[Window]\n" + QByteArray("Note=") + QByteArray(4000, 'x') + "\n[User]\nLevel=1\n";
        writeAll(ini, before);
        child = Child::SmallFileLimit;
        break;
    case Blocker::IniIsAFolder:
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("et.ini")));
        break;
    case Blocker::FolderMissing:
        ini = dir.filePath(QStringLiteral("gone/et.ini"));
        break;
    }

    const QString shown = shownForWrite(ini, 2, child);
    ::chmod(dirPath.constData(), 0755);

    EXPECT_EQ(shown, QStringLiteral("Unable to write to %1").arg(ini));
    if (GetParam() == Blocker::ReadOnlyFolder || GetParam() == Blocker::DiskFull) {
        EXPECT_EQ(readAll(ini), before);
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("et.ini")});
    }
}

INSTANTIATE_TEST_SUITE_P(Settings, WriteFailureTest,
                         ::testing::Values(Blocker::ReadOnlyFolder, Blocker::DiskFull, Blocker::IniIsAFolder,
                                           Blocker::FolderMissing));

} // namespace
