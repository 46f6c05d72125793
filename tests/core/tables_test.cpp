// The two content tables: splitting and storing of data lines, the loads
// with their failures, the start cursors, and the look-ups by word.
#include "app/app_error.h"
#include "app/random_source.h"
#include "content/line_reader.h"
#include "content/tables.h"
#include "support/failure_of.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace ejteto {
void PrintTo(const SoundRecord& r, std::ostream* os)
{
    *os << '{' << r.Id << ',' << r.WordCount << ',' << r.Confusable1 << ',' << r.Confusable2 << ",c" << r.Cursor << '}';
}
void PrintTo(const szorekord& e, std::ostream* os)
{
    *os << "{\"" << e.Word.toStdString() << "\"," << e.SoundId << ",\"" << e.Meaning.toStdString() << "\"}";
}
} // namespace ejteto

namespace {

using ejteto::ContentTables;
using ejteto::RandomSource;
using ejteto::SoundRecord;
using ejteto::szorekord;

using ejteto::testing::failureOf;

QString notAnInteger(const QString& field) { return QStringLiteral("'%1' is not a valid integer value").arg(field); }

// ---- Sound lines -----------------------------------------------------------

struct SoundLineCase {
    const char* name;
    QString line;
    SoundRecord stored; // Cursor: 0 here, checked separately
    QString failure;    // empty: the line is accepted
};

void PrintTo(const SoundLineCase& c, std::ostream* os) { *os << c.name; }

class SoundLineTest : public ::testing::TestWithParam<SoundLineCase> {};

TEST_P(SoundLineTest, SplitsAndStoresTheFields)
{
    const SoundLineCase& c = GetParam();
    ContentTables t;
    RandomSource rng;
    rng.seed(1);
    const QString failure = failureOf([&] { ejteto::ParseSoundLine(t, c.line, 3, rng); });
    EXPECT_EQ(failure, c.failure.isEmpty() ? QStringLiteral("(no error)") : c.failure);
    SoundRecord got = t.SoundTable[3];
    got.Cursor = 0;
    EXPECT_EQ(got, c.stored);
    for (int s = 1; s <= 16; ++s) {
        if (s != 3) {
            EXPECT_EQ(t.SoundTable[s], SoundRecord{}) << "entry " << s;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tables, SoundLineTest,
    ::testing::Values(SoundLineCase{"four_integers", "3;14;4;9", {3, 14, 4, 9, 0}, {}},
                      SoundLineCase{"blanks_before_numbers", " 3; 14; 4; 9", {3, 14, 4, 9, 0}, {}},
                      SoundLineCase{"hex_fields", "$3;0xE;x4;9", {3, 14, 4, 9, 0}, {}},
                      SoundLineCase{"empty_fifth_field_ignored", "3;14;4;9;", {3, 14, 4, 9, 0}, {}},
                      SoundLineCase{"extra_fields_ignored_unparsed", "3;14;4;9;comment;x", {3, 14, 4, 9, 0}, {}},
                      SoundLineCase{"three_fields_then_empty_fourth", "3;14;4;", {3, 14, 4, 0, 0}, notAnInteger({})},
                      SoundLineCase{"blank_after_a_number", "3;14 ;4;9", {3, 0, 0, 0, 0}, notAnInteger("14 ")},
                      SoundLineCase{"fewer_fields_keep_zero", "3;14", {3, 14, 0, 0, 0}, {}},
                      SoundLineCase{"empty_line", "", {}, notAnInteger({})},
                      SoundLineCase{"leading_separator", ";14;4;9", {}, notAnInteger({})},
                      SoundLineCase{"comma_separated", "3,14,4,9", {}, notAnInteger("3,14,4,9")},
                      SoundLineCase{"out_of_range", "3;2147483648;4;9", {3, 0, 0, 0, 0}, notAnInteger("2147483648")},
                      SoundLineCase{
                          "third_field_fails_after_two", "3;14;four;9", {3, 14, 0, 0, 0}, notAnInteger("four")}));

TEST(ParseSoundLine, DrawsTheCursorWhenTheWordCountIsRead)
{
    ContentTables t;
    RandomSource rng, reference;
    rng.seed(99);
    reference.seed(99);
    ejteto::ParseSoundLine(t, QStringLiteral("1;20;2;3"), 1, rng);
    EXPECT_EQ(t.SoundTable[1].Cursor, reference.next(20));
    // A line that fails after its word count has still drawn its cursor.
    EXPECT_FALSE(failureOf([&] { ejteto::ParseSoundLine(t, QStringLiteral("2;30;x;3"), 2, rng); }).startsWith('('));
    EXPECT_EQ(t.SoundTable[2].Cursor, reference.next(30));
    // A line that fails before it draws nothing.
    EXPECT_FALSE(failureOf([&] { ejteto::ParseSoundLine(t, QStringLiteral("x;30;1;3"), 3, rng); }).startsWith('('));
    EXPECT_EQ(rng.state(), reference.state());
}

TEST(ParseLines, NeverWriteOutsideTheirTable)
{
    ContentTables t;
    t.WordTable.resize(2);
    RandomSource rng;
    for (const int s : {0, 17, -1, 1000})
        ejteto::ParseSoundLine(t, QStringLiteral("9;9;9;9"), s, rng);
    for (const int i : {0, 2, -1, 1000})
        ejteto::ParseWordLine(t, QStringLiteral("cat;7;macska"), i);
    for (const SoundRecord& r : t.SoundTable)
        EXPECT_EQ(r, SoundRecord{});
    EXPECT_EQ(t.WordTable, ejteto::wordvector(2));
}

// ---- Word lines --------------------------------------------------------------

struct WordLineCase {
    const char* name;
    QString line;
    szorekord stored;
    QString failure;
};

void PrintTo(const WordLineCase& c, std::ostream* os) { *os << c.name; }

class WordLineTest : public ::testing::TestWithParam<WordLineCase> {};

TEST_P(WordLineTest, SplitsAndStoresTheFields)
{
    const WordLineCase& c = GetParam();
    ContentTables t;
    t.WordTable.resize(3);
    const QString failure = failureOf([&] { ejteto::ParseWordLine(t, c.line, 2); });
    EXPECT_EQ(failure, c.failure.isEmpty() ? QStringLiteral("(no error)") : c.failure);
    EXPECT_EQ(t.WordTable[2], c.stored);
    EXPECT_EQ(t.WordTable[1], szorekord{});
}

INSTANTIATE_TEST_SUITE_P(
    Tables, WordLineTest,
    ::testing::Values(
        WordLineCase{"three_fields", QStringLiteral("bird;12;madár"), {"bird", 12, QStringLiteral("madár")}, {}},
        WordLineCase{"fourth_field_ignored", "bird;12;bird;extra", {"bird", 12, "bird"}, {}},
        WordLineCase{"no_meaning", "bird;12", {"bird", 12, {}}, {}},
        WordLineCase{"empty_meaning", "bird;12;", {"bird", 12, {}}, {}},
        WordLineCase{"blanks_kept", " bird ; 12; a bird ", {" bird ", 12, " a bird "}, {}},
        WordLineCase{"hex_sound", "bird;$C;m", {"bird", 12, "m"}, {}},
        WordLineCase{"case_kept", "Bird;1;Madár", {"Bird", 1, QStringLiteral("Madár")}, {}},
        WordLineCase{"empty_sound_id", "bird;", {"bird", 0, {}}, notAnInteger({})},
        WordLineCase{"sound_id_with_trailing_blank", "bird;12 ;madár", {"bird", 0, {}}, notAnInteger("12 ")},
        WordLineCase{"no_separator", "bird", {"bird", 0, {}}, {}}, WordLineCase{"empty_line", "", {}, {}},
        WordLineCase{"empty_word", ";3;semmi", {{}, 3, "semmi"}, {}}));

// ---- Loading the sound table --------------------------------------------------

QStringList soundLines(int dataLines)
{
    QStringList lines{QStringLiteral("\xef\xbb\xbfId;Count;C1;C2")};
    for (int s = 1; s <= dataLines; ++s)
        lines << QStringLiteral("%1;%2;%3;%4").arg(s).arg(11 + s).arg(s % 16 + 1).arg((s + 1) % 16 + 1);
    return lines;
}

TEST(LoadSoundTable, FillsEntrySFromDataLineSAndDrawsCursorsInLineOrder)
{
    ContentTables t;
    RandomSource rng, reference;
    rng.seed(4242);
    reference.seed(4242);
    ejteto::loadSoundTable(t, soundLines(16), rng);
    for (int s = 1; s <= 16; ++s) {
        const SoundRecord& r = t.SoundTable[s];
        EXPECT_EQ(r.Id, s);
        EXPECT_EQ(r.WordCount, 11 + s);
        EXPECT_EQ(r.Confusable1, s % 16 + 1);
        EXPECT_EQ(r.Confusable2, (s + 1) % 16 + 1);
        EXPECT_EQ(r.Cursor, reference.next(11 + s)) << "sound " << s;
        EXPECT_GE(r.Cursor, 0);
        EXPECT_LT(r.Cursor, r.WordCount);
    }
}

TEST(LoadSoundTable, TheHeaderIsNeverParsed)
{
    for (const QString& header : {QStringLiteral("x;y;z"), QString(), QStringLiteral("1;2;3;4")}) {
        ContentTables t;
        RandomSource rng;
        QStringList lines = soundLines(2);
        lines[0] = header;
        ejteto::loadSoundTable(t, lines, rng);
        EXPECT_EQ(t.SoundTable[1].Id, 1);
        EXPECT_EQ(t.SoundTable[2].Id, 2);
        EXPECT_EQ(t.SoundTable[3], SoundRecord{});
    }
}

TEST(LoadSoundTable, OnlyAHeaderLeavesEverySoundZero)
{
    ContentTables t;
    RandomSource rng;
    ejteto::loadSoundTable(t, QStringList{QStringLiteral("Id;Count")}, rng);
    ejteto::loadSoundTable(t, QStringList{}, rng);
    for (const SoundRecord& r : t.SoundTable)
        EXPECT_EQ(r, SoundRecord{});
}

TEST(LoadSoundTable, LinesPastTheSixteenthAreIgnored)
{
    ContentTables t;
    RandomSource rng, reference;
    rng.seed(5);
    reference.seed(5);
    QStringList lines = soundLines(16);
    lines << QStringLiteral("17;30;1;2") << QStringLiteral("not read at all");
    EXPECT_EQ(failureOf([&] { ejteto::loadSoundTable(t, lines, rng); }), QStringLiteral("(no error)"));
    EXPECT_EQ(t.SoundTable[16].Id, 16);
    for (int s = 1; s <= 16; ++s)
        reference.next(11 + s);
    EXPECT_EQ(rng.state(), reference.state()); // no cursor drawn for line 17
}

TEST(LoadSoundTable, AFailureKeepsWhatWasStoredBeforeIt)
{
    ContentTables t;
    RandomSource rng;
    QStringList lines = soundLines(16);
    lines[5] = QStringLiteral("5;16;x;2");
    EXPECT_EQ(failureOf([&] { ejteto::loadSoundTable(t, lines, rng); }), notAnInteger("x"));
    EXPECT_EQ(t.SoundTable[4].Confusable2, 6);
    EXPECT_EQ(t.SoundTable[5].Id, 5);
    EXPECT_EQ(t.SoundTable[5].WordCount, 16);
    EXPECT_EQ(t.SoundTable[5].Confusable1, 0);
    EXPECT_EQ(t.SoundTable[6], SoundRecord{});
}

TEST(LoadSoundTable, AnEmptyLastLineFailsQuotingAnEmptyField)
{
    ContentTables t;
    RandomSource rng;
    const QStringList lines = ejteto::splitTableLines("h\n1;12;2;3\n\n");
    EXPECT_EQ(failureOf([&] { ejteto::loadSoundTable(t, lines, rng); }), notAnInteger({}));
    EXPECT_EQ(t.SoundTable[1].WordCount, 12);
}

// ---- Loading the word table ---------------------------------------------------

struct WordLoad {
    ContentTables t;
    QStringList listed;
    QString failure;
};

WordLoad loadWords(const QByteArray& file)
{
    WordLoad w;
    w.failure = failureOf([&] {
        ejteto::loadWordTable(w.t, ejteto::splitTableLines(file), [&](const QString& word) { w.listed << word; });
    });
    return w;
}

TEST(LoadWordTable, BuildsEntriesOneToWordCountAndListsNonEmptyWordsInFileOrder)
{
    const WordLoad w = loadWords("Word;Sound;Meaning\r\nsheep;1;birka\r\n;2;\r\n ship;2;haj\xf3\r\nsheep;1;juh\r\n");
    EXPECT_EQ(w.failure, QStringLiteral("(no error)"));
    EXPECT_EQ(w.t.WordCount, 4);
    ASSERT_EQ(w.t.WordTable.size(), 5u);
    EXPECT_EQ(w.t.WordTable[0], szorekord{});
    EXPECT_EQ(w.t.WordTable[1], (szorekord{"sheep", 1, "birka"}));
    EXPECT_EQ(w.t.WordTable[2], (szorekord{{}, 2, {}}));
    EXPECT_EQ(w.t.WordTable[3], (szorekord{" ship", 2, QStringLiteral("hajó")}));
    EXPECT_EQ(w.t.WordTable[4], (szorekord{"sheep", 1, "juh"}));
    EXPECT_EQ(w.listed, (QStringList{"sheep", " ship", "sheep"}));
}

TEST(LoadWordTable, AFinalLineBreakOrNoneGiveTheSameTable)
{
    const WordLoad with = loadWords("h\nsheep;1;birka\nship;2;haj\xf3\n");
    const WordLoad without = loadWords("h\nsheep;1;birka\nship;2;haj\xf3");
    EXPECT_EQ(with.t.WordCount, 2);
    EXPECT_EQ(without.t.WordCount, 2);
    EXPECT_EQ(with.t.WordTable, without.t.WordTable);
    EXPECT_EQ(without.listed, (QStringList{"sheep", "ship"}));
}

TEST(LoadWordTable, OnlyAHeaderOrNothing)
{
    const WordLoad header = loadWords("Word;Sound;Meaning\r\n");
    EXPECT_EQ(header.t.WordCount, 0);
    EXPECT_EQ(header.t.WordTable.size(), 1u);
    EXPECT_TRUE(header.listed.isEmpty());

    const WordLoad empty = loadWords("");
    EXPECT_EQ(empty.t.WordCount, -1);
    EXPECT_TRUE(empty.t.WordTable.empty());
    EXPECT_TRUE(empty.listed.isEmpty());
}

TEST(LoadWordTable, AFailureKeepsTheCountAndWhatWasStoredBeforeIt)
{
    const WordLoad w = loadWords("h\nsheep;1;birka\nship;;haj\xf3\ncat;7;macska\n");
    EXPECT_EQ(w.failure, notAnInteger({}));
    EXPECT_EQ(w.t.WordCount, 3);
    ASSERT_EQ(w.t.WordTable.size(), 4u);
    EXPECT_EQ(w.t.WordTable[1], (szorekord{"sheep", 1, "birka"}));
    EXPECT_EQ(w.t.WordTable[2], (szorekord{"ship", 0, {}}));
    EXPECT_EQ(w.t.WordTable[3], szorekord{});
    EXPECT_EQ(w.listed, QStringList{"sheep"});
}

// ---- Look-ups -------------------------------------------------------------------

TEST(LookUps, AnswerWithTheFirstEntryHoldingExactlyThatWord)
{
    const WordLoad w =
        loadWords("h\nsheep;1;birka\nShip;3;Haj\xf3\nship;2;haj\xf3\nsheep;4;juh\n ship;5;x\nlast;6;utols\xf3");
    struct Ask {
        const char* word;
        const char* meaning;
        int32_t sound;
    };
    for (const Ask& a : {Ask{"sheep", "birka", 1}, Ask{"ship", "hajó", 2}, Ask{"Ship", "Hajó", 3}, Ask{" ship", "x", 5},
                         Ask{"last", "utolsó", 6}}) {
        EXPECT_EQ(ejteto::MeaningOfWord(w.t, QString::fromUtf8(a.word)), QString::fromUtf8(a.meaning)) << a.word;
        EXPECT_EQ(ejteto::SoundOfWord(w.t, QString::fromUtf8(a.word)), a.sound) << a.word;
    }
}

TEST(LookUps, AWordInNoEntryGivesNoMeaningAndSoundZero)
{
    const WordLoad w = loadWords("h\nsheep;1;birka\n;2;ures");
    for (const QString& word :
         {QStringLiteral("SHEEP"), QStringLiteral("sheep "), QStringLiteral("h"), QStringLiteral("cat")}) {
        EXPECT_EQ(ejteto::MeaningOfWord(w.t, word), QString()) << word.toStdString();
        EXPECT_EQ(ejteto::SoundOfWord(w.t, word), 0) << word.toStdString();
    }
    const WordLoad none = loadWords("");
    EXPECT_EQ(ejteto::SoundOfWord(none.t, QStringLiteral("sheep")), 0);
    EXPECT_EQ(ejteto::MeaningOfWord(none.t, QString()), QString());
}

// ---- Both tables from files ---------------------------------------------------------

TEST(LoadFromFiles, ReadsBothTablesFromTheInstallationFolder)
{
    QTemporaryDir dir;
    const QString appDir = dir.path() + QLatin1Char('/');
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile f(appDir + QLatin1String(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    put("sounds.csv", "Id;Db;K1;K2\r\n1;2;2;3\r\n2;1;1;3\r\n");
    put("words.csv", "Sz\xf3;Hang;Jelent\xe9s\r\nsheep;1;birka\r\nseat;1;\xfcl\xe9s\r\nship;2;haj\xf3\r\n");
    ContentTables t;
    RandomSource rng;
    rng.seed(1);
    ejteto::loadSoundTable(t, ejteto::LoadLines(appDir, QStringLiteral("sounds.csv")), rng);
    ejteto::loadWordTable(t, ejteto::LoadLines(appDir, QStringLiteral("words.csv")));
    EXPECT_EQ(t.SoundTable[1].WordCount, 2);
    EXPECT_EQ(t.SoundTable[2].Confusable2, 3);
    EXPECT_EQ(t.WordCount, 3);
    EXPECT_EQ(ejteto::MeaningOfWord(t, QStringLiteral("seat")), QStringLiteral("ülés"));
    EXPECT_EQ(ejteto::SoundOfWord(t, QStringLiteral("ship")), 2);
}

} // namespace
