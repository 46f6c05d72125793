// The checker on broken tables: each broken rule is reported on the line
// where it is broken, and nothing is reported for good tables.
#include "contentkit/table_checker.h"
#include "course_fixture.h"

#include <QProcess>
#include <QTemporaryDir>
#include <sys/stat.h>

using namespace ejteto;
using namespace ejteto::contentkit;
using coursetest::Tables;

namespace {
QStringList problemsOf(const Tables& t)
{
    QStringList out;
    for (const TableProblem& p : checkTables(t.soundBytes(), t.wordBytes()))
        out << p.toString();
    return out;
}

bool anyStartsWith(const QStringList& lines, const QString& prefix)
{
    for (const QString& l : lines)
        if (l.startsWith(prefix))
            return true;
    return false;
}
} // namespace

TEST(TableChecker, ValidTablesHaveNoProblems) { EXPECT_EQ(problemsOf(Tables()), QStringList()); }

TEST(TableChecker, WordCountThatDoesNotMatchTheBlock)
{
    Tables t;
    t.words.removeAt(30); // a word of sound 2 (lines 27..51 of the file)
    const QStringList p = problemsOf(t);
    ASSERT_EQ(p.size(), 1) << p.join('\n').toStdString();
    EXPECT_TRUE(p[0].startsWith("sounds.csv:3: ")) << p[0].toStdString();
    EXPECT_TRUE(p[0].contains("25") && p[0].contains("24")) << p[0].toStdString();
}

TEST(TableChecker, CountsThatShareAFactorWithTwelveOrAreTooSmall)
{
    Tables t;
    t.sounds[1] = "1;27;2;3"; // 27 = 3 x 9
    t.sounds[2] = "2;11;1;3"; // below twelve
    t.sounds[3] = "3;35;1;2"; // coprime, but not a course count
    const QStringList p = problemsOf(t);
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:2: a szószám (27) közös osztója 12-vel"));
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:3: 11 szó kevés"));
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:4: a szószám (35) nem 25, 29 vagy 31"));
}

TEST(TableChecker, BlockSplitInTwoAndBlocksOutOfOrder)
{
    Tables t;
    t.words.move(10, 60); // a word of sound 1 moved into the block of sound 3
    QStringList p = problemsOf(t);
    EXPECT_TRUE(anyStartsWith(p, "words.csv:61: a(z) 1. hang szavai nem egy tömbben")) << p.join('\n').toStdString();

    Tables swapped;
    for (int k = 0; k < 25; ++k) // the block of sound 3 before the block of sound 2
        swapped.words.move(51 + k, 26 + k);
    p = problemsOf(swapped);
    EXPECT_EQ(p.size(), 1);
    EXPECT_TRUE(anyStartsWith(p, "words.csv:52: a(z) 2. hang tömbje a(z) 3. hangé után")) << p.join('\n').toStdString();
}

TEST(TableChecker, SoundIdsOutsideOneToSixteen)
{
    Tables t;
    t.words[5] = "xyz;17;valami";
    t.sounds[4] = "4;25;17;4";
    const QStringList p = problemsOf(t);
    EXPECT_TRUE(anyStartsWith(p, "words.csv:6: a hang (17) nem 1 és 16 közötti"));
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:5: a(z) tévesztett1 (17) nem hang"));
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:5: a(z) tévesztett2 a hang saját maga"));
}

TEST(TableChecker, EmptyFieldsAndEmptyLines)
{
    Tables t;
    t.words[3] = "ac;1;";
    t.words[4] = ";1;valami";
    t.words[7] = "ah;;valami";
    t.sounds[6] = "6;25;;7";
    t.sounds.append(QString()); // an empty seventeenth line
    const QStringList p = problemsOf(t);
    EXPECT_TRUE(p.contains("words.csv:4: üres jelentés"));
    EXPECT_TRUE(p.contains("words.csv:5: üres szó"));
    EXPECT_TRUE(p.contains("words.csv:8: a hang '' nem érvényes egész szám"));
    EXPECT_TRUE(p.contains("sounds.csv:7: a(z) tévesztett1 mező '' nem érvényes egész szám"));
    EXPECT_TRUE(p.contains("sounds.csv:18: fölösleges sor: csak 16 hang lehet"));
}

TEST(TableChecker, WordsWithSemicolonSlashCapitalsOrTwice)
{
    Tables t;
    t.words[1] = "a;b;1;valami"; // ';' inside the word
    t.words[2] = "and/or;1;valami";
    t.words[3] = "Ab;1;valami";
    t.words[4] = "ae;1;kettő; három"; // ';' in the meaning, and the word of line 6 early
    const QStringList p = problemsOf(t);
    EXPECT_TRUE(anyStartsWith(p, "words.csv:2: 4 mező van 3 helyett"));
    EXPECT_TRUE(anyStartsWith(p, "words.csv:3: a(z) 'and/or' szó csak kisbetűs"));
    EXPECT_TRUE(anyStartsWith(p, "words.csv:4: a(z) 'Ab' szó csak kisbetűs"));
    EXPECT_TRUE(anyStartsWith(p, "words.csv:5: 4 mező van 3 helyett"));
    EXPECT_TRUE(anyStartsWith(p, "words.csv:6: a(z) 'ae' szó már szerepel a(z) 5. sorban"));
}

TEST(TableChecker, SoundLineOutOfPlaceAndMissingLines)
{
    Tables t;
    t.sounds[8] = "9;25;1;2";
    t.sounds.removeLast();
    const QStringList p = problemsOf(t);
    EXPECT_TRUE(p.contains("sounds.csv:9: a sorszám 9, de ez a(z) 8. hang sora"));
    EXPECT_TRUE(anyStartsWith(p, "sounds.csv:16: 15 hang sora van, pontosan 16 kell"));
}

TEST(TableChecker, ResultWordsMustLeaveASpaceBeforeTheirNeighbour)
{
    // In bold "Arial" -13 (Liberation Sans has the same widths), "machine"
    // and a space just fill the 56 pixels from one result label to the next;
    // "measure" needs one pixel more and would run into its neighbour.
    Tables t;
    t.words[2] = "machine;1;gép";
    t.words[3] = "measure;1;mérték";
    const QStringList p = problemsOf(t);
    ASSERT_EQ(p.size(), 1) << p.join('\n').toStdString();
    EXPECT_EQ(p[0], "words.csv:4: a(z) 'measure' szó túl hosszú az eredménytáblához: félkövéren, szóközzel együtt "
                    "57 képpont, de csak 56 fér el");
}

TEST(TableChecker, FolderCheckReportsMissingFilesAndInstallationGaps)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    auto p = checkContentFolder(dir.path());
    ASSERT_EQ(p.size(), 2u);
    EXPECT_TRUE(p[0].toString().startsWith("sounds.csv: nem nyitható meg"));

    Tables().writeTo(dir.path());
    EXPECT_TRUE(checkContentFolder(dir.path()).empty());
    // Once it looks like an installation, every file the tables call for must be there.
    QDir(dir.path()).mkpath("media/words");
    p = checkContentFolder(dir.path());
    QStringList lines;
    for (const auto& x : p)
        lines << x.toString();
    EXPECT_TRUE(lines.contains("media/words/aa.wav: hiányzik"));
    EXPECT_TRUE(lines.contains("images/lecke_a_16.jpg: hiányzik"));
    EXPECT_TRUE(lines.contains("media/null.avi: hiányzik"));
}

TEST(TableChecker, ATableThatIsNoRegularFileIsReportedNotWaitedFor)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    Tables().writeTo(dir.path());
    const QString sounds = QDir(dir.path()).filePath("sounds.csv");
    QFile::remove(sounds);
    ASSERT_EQ(::mkfifo(QFile::encodeName(sounds).constData(), 0644), 0); // opened plainly, it would block
    const auto p = checkContentFolder(dir.path());
    ASSERT_EQ(p.size(), 1u);
    EXPECT_EQ(p[0].toString(), "sounds.csv: nem nyitható meg: Not a regular file");
}

TEST(TableChecker, TeachersCommandPrintsProblemsAndFails)
{
    const QString check = QDir(coursetest::installationDir()).filePath("../tools/ejteto_check");
    if (!QFileInfo(check).isExecutable())
        GTEST_SKIP() << "ejteto_check is not built";
    QTemporaryDir dir;
    Tables t;
    t.words[2] = "ab/c;1;valami";
    t.writeTo(dir.path());
    QProcess p;
    p.start(check, {dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).startsWith("words.csv:3: a(z) 'ab/c' szó"));

    Tables().writeTo(dir.path());
    p.start(check, {dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().isEmpty());

    // On a machine without the window's fonts the words cannot be measured:
    // the check says so instead of passing.
    QTemporaryDir fonts;
    QFile config(fonts.filePath("fonts.conf"));
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write("<?xml version=\"1.0\"?>\n<fontconfig><dir>" + fonts.path().toUtf8() + "</dir><cachedir>" +
                 fonts.path().toUtf8() + "</cachedir></fontconfig>\n");
    config.close();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("FONTCONFIG_FILE", config.fileName());
    p.setProcessEnvironment(env);
    p.start(check, {dir.path()});
    ASSERT_TRUE(p.waitForFinished(30000));
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardOutput()),
              "words.csv: a szavak szélessége nem mérhető: sem a(z) Arial, sem a(z) Liberation Sans betűtípus "
              "nincs telepítve (Debian: fonts-liberation2)\n");
}
