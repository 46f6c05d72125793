// The words of a run and the placement of the options, without any window.
#include "content/question_set.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>
#include <set>

using namespace ejteto;

namespace {

QString word(int s, int k) { return QStringLiteral("s%1w%2").arg(s).arg(k); }

// Sound s has counts[s] words "s<s>w<k>" in consecutive entries; the
// confusables follow the tiny installation's rule unless changed afterwards.
ContentTables makeTables(const std::array<int, 17>& counts)
{
    ContentTables t;
    t.WordTable.assign(1, szorekord{});
    for (int s = 1; s <= 16; ++s) {
        SoundRecord& r = t.SoundTable[static_cast<size_t>(s)];
        r.Id = s;
        r.WordCount = counts[static_cast<size_t>(s)];
        r.Confusable1 = s % 16 + 1;
        r.Confusable2 = (s + 1) % 16 + 1;
        for (int k = 1; k <= r.WordCount; ++k)
            t.WordTable.push_back({word(s, k), s, QStringLiteral("jelentés %1").arg(k)});
    }
    t.WordCount = static_cast<int32_t>(t.WordTable.size()) - 1;
    return t;
}

std::array<int, 17> allSounds(int n)
{
    std::array<int, 17> c{};
    c.fill(n);
    c[0] = 0;
    return c;
}

// The walk exactly as the rule reads: twelve on, one subtraction when past n.
QString writtenPick(const ContentTables& t, int s, int32_t& cursor)
{
    const int n = t.SoundTable[static_cast<size_t>(s)].WordCount;
    int c = cursor + 12;
    if (c > n)
        c -= n;
    cursor = c;
    int first = 1;
    while (t.WordTable[static_cast<size_t>(first)].SoundId != s)
        ++first;
    return t.WordTable[static_cast<size_t>(first - 1 + c)].Word;
}

bool onlyWordsOf(const QuestionRow& row, int s)
{
    for (const QString& w : row)
        if (!w.startsWith(QStringLiteral("s%1w").arg(s)))
            return false;
    return true;
}

} // namespace

TEST(PickSoundWords, FollowsTheTwelveStepWalkAcrossCallsForEveryBlockOfTwelveOrMore)
{
    for (int n : {12, 13, 15, 20, 24, 25, 40}) {
        for (int start = 0; start < n; ++start) {
            ContentTables t = makeTables(allSounds(n));
            t.SoundTable[7].Cursor = start;
            int32_t oracle = start;
            for (int call = 0; call < 3; ++call) {
                QuestionRow row;
                PickSoundWords(t, 7, row);
                for (int k = 0; k < 10; ++k)
                    ASSERT_EQ(row[static_cast<size_t>(k)], writtenPick(t, 7, oracle))
                        << "n " << n << " start " << start << " call " << call << " pick " << k;
                ASSERT_EQ(t.SoundTable[7].Cursor, oracle);
            }
            for (int s = 1; s <= 16; ++s) {
                if (s != 7) {
                    ASSERT_EQ(t.SoundTable[static_cast<size_t>(s)].Cursor, 0) << "only the sound drawn moves";
                }
            }
        }
    }
}

TEST(PickSoundWords, TwelveWordsGiveOneWordTwentyFourAlternateThirteenGoOnWhereTheyStopped)
{
    ContentTables twelve = makeTables(allSounds(12));
    twelve.SoundTable[4].Cursor = 5;
    QuestionRow row;
    for (int call = 0; call < 2; ++call) {
        PickSoundWords(twelve, 4, row);
        for (const QString& w : row)
            EXPECT_EQ(w, word(4, 5));
    }

    ContentTables twentyFour = makeTables(allSounds(24));
    twentyFour.SoundTable[4].Cursor = 3;
    PickSoundWords(twentyFour, 4, row);
    for (size_t k = 0; k < row.size(); ++k)
        EXPECT_EQ(row[k], word(4, k % 2 == 0 ? 15 : 3));

    // Pick k since the load is the word at offset ((C0 + 12k - 1) mod 13) + 1.
    ContentTables thirteen = makeTables(allSounds(13));
    thirteen.SoundTable[4].Cursor = 0;
    PickSoundWords(thirteen, 4, row);
    EXPECT_EQ(std::set<QString>(row.begin(), row.end()).size(), 10u);
    for (int k = 1; k <= 10; ++k)
        EXPECT_EQ(row[static_cast<size_t>(k - 1)], word(4, (12 * k - 1) % 13 + 1));
    PickSoundWords(thirteen, 4, row);
    EXPECT_EQ(row[0], word(4, (12 * 11 - 1) % 13 + 1)) << "the next call starts at the eleventh place";
}

TEST(BuildOptionRows, RowsByLevelKeepOneWalkPerSoundInTheWrittenOrder)
{
    // Lesson 1: Confusable1 = 2, Confusable2 = 3, which has twenty words.
    std::array<int, 17> counts = allSounds(12);
    counts[3] = 20;
    QuestionRow scratch;
    RandomSource rng;

    ContentTables hard = makeTables(counts);
    const OptionRows h = BuildOptionRows(hard, 1, 1, 2, scratch, rng);
    EXPECT_TRUE(onlyWordsOf(h[0], 1));
    for (int k = 1; k <= 3; ++k)
        EXPECT_TRUE(onlyWordsOf(h[static_cast<size_t>(k)], 3));
    for (size_t q = 0; q < 10; ++q) {
        EXPECT_EQ(h[1][q], h[2][q]) << "picks k and k + 10 of a walk through twenty words meet";
        EXPECT_EQ(h[1][q], h[3][q]);
    }
    EXPECT_EQ(scratch, h[3]) << "the scratch row keeps the last pick";
    EXPECT_EQ(hard.SoundTable[1].Cursor, (0 + 120 - 1) % 12 + 1);
    EXPECT_EQ(hard.SoundTable[3].Cursor, (0 + 360 - 1) % 20 + 1);
    EXPECT_EQ(hard.SoundTable[2].Cursor, 0) << "the hard level draws nothing from Confusable1";

    ContentTables medium = makeTables(counts);
    const OptionRows m = BuildOptionRows(medium, 1, 1, 1, scratch, rng);
    EXPECT_EQ(m[1], m[2]);
    EXPECT_TRUE(onlyWordsOf(m[3], 2));

    // With no level chosen: lesson, Confusable1 and two empty rows.
    ContentTables none = makeTables(counts);
    const OptionRows n = BuildOptionRows(none, 1, 1, -1, scratch, rng);
    EXPECT_TRUE(onlyWordsOf(n[0], 1));
    EXPECT_TRUE(onlyWordsOf(n[1], 2));
    for (size_t q = 0; q < 10; ++q) {
        EXPECT_TRUE(n[2][q].isEmpty());
        EXPECT_TRUE(n[3][q].isEmpty());
    }
    EXPECT_EQ(none.SoundTable[3].Cursor, 0);

    // A sound named twice shares one walk: Confusable2 rows first, then
    // Confusable1 goes on with picks 21..30.
    ContentTables shared = makeTables(allSounds(13));
    shared.SoundTable[1].Confusable1 = 3;
    const OptionRows s = BuildOptionRows(shared, 1, 1, 1, scratch, rng);
    for (size_t q = 0; q < 10; ++q)
        for (int row = 1; row <= 3; ++row)
            EXPECT_EQ(s[static_cast<size_t>(row)][q], word(3, (12 * (10 * (row - 1) + int(q) + 1) - 1) % 13 + 1));
}

TEST(BuildOptionRows, EasyRandomRowSkipsTheThreeSoundsAndNeverTheLastEntry)
{
    // Only sound 4 (entries 37..48) lies outside lesson 1 and its confusables.
    std::array<int, 17> counts{};
    for (int s = 1; s <= 4; ++s)
        counts[static_cast<size_t>(s)] = 12;
    ContentTables t = makeTables(counts);
    RandomSource rng;
    rng.seed(20240611);
    QuestionRow scratch;
    std::map<QString, int> seen;
    bool repeatWithinARow = false;
    for (int run = 0; run < 300; ++run) {
        const OptionRows rows = BuildOptionRows(t, 1, 1, 0, scratch, rng);
        EXPECT_TRUE(onlyWordsOf(rows[0], 1));
        EXPECT_TRUE(onlyWordsOf(rows[1], 3));
        EXPECT_TRUE(onlyWordsOf(rows[2], 2));
        ASSERT_TRUE(onlyWordsOf(rows[3], 4));
        repeatWithinARow |= std::set<QString>(rows[3].begin(), rows[3].end()).size() < 10;
        for (const QString& w : rows[3])
            ++seen[w];
    }
    EXPECT_EQ(seen.size(), 11u) << "s4w1 .. s4w11 all come up";
    EXPECT_EQ(seen.count(word(4, 12)), 0u) << "the last entry of the table is never drawn";
    EXPECT_TRUE(repeatWithinARow);
}

TEST(BuildOptionRows, BrokenTablesGiveOddOptionsButNeverStrayOrHang)
{
    QuestionRow scratch;
    RandomSource rng;

    // Fewer than twelve words: the picks stay inside the sound's own block.
    std::array<int, 17> counts = allSounds(12);
    counts[5] = 5;
    ContentTables few = makeTables(counts);
    for (int call = 0; call < 4; ++call) {
        PickSoundWords(few, 5, scratch);
        EXPECT_TRUE(onlyWordsOf(scratch, 5));
    }

    // A count larger than the block: the missing places stay empty rather
    // than showing a word of the following sound.
    ContentTables overcounted = makeTables(allSounds(12));
    overcounted.SoundTable[6].WordCount = 14;
    for (int call = 0; call < 3; ++call) {
        PickSoundWords(overcounted, 6, scratch);
        for (const QString& w : scratch)
            EXPECT_TRUE(w.isEmpty() || w.startsWith(QStringLiteral("s6w"))) << w.toStdString();
    }
    // The last sound claims more words than the table holds.
    overcounted.SoundTable[16].WordCount = 30;
    overcounted.SoundTable[16].Cursor = 29;
    PickSoundWords(overcounted, 16, scratch);
    for (const QString& w : scratch)
        EXPECT_TRUE(w.isEmpty() || w.startsWith(QStringLiteral("s16w")));

    // A count near 2^31 steps the cursor without overflowing: past the end it
    // wraps to the twelfth place counted from the old one.
    overcounted.SoundTable[16].WordCount = std::numeric_limits<int32_t>::max();
    overcounted.SoundTable[16].Cursor = std::numeric_limits<int32_t>::max() - 5;
    PickSoundWords(overcounted, 16, scratch);
    EXPECT_EQ(overcounted.SoundTable[16].Cursor, 7 + 12 * 9);

    // A sound named in the table but holding no word, sound ids out of range,
    // and a count that is zero: empty rows.
    counts = allSounds(12);
    counts[9] = 0;
    ContentTables missing = makeTables(counts);
    missing.SoundTable[9].WordCount = 12;
    missing.SoundTable[1].Confusable1 = 0;
    missing.SoundTable[1].Confusable2 = 99;
    for (int s : {9, 0, -3, 17, 99}) {
        PickSoundWords(missing, s, scratch);
        for (const QString& w : scratch)
            EXPECT_TRUE(w.isEmpty()) << "sound " << s;
    }
    const OptionRows outOfRange = BuildOptionRows(missing, 1, 1, 2, scratch, rng);
    EXPECT_TRUE(onlyWordsOf(outOfRange[0], 1));
    EXPECT_TRUE(outOfRange[1][0].isEmpty());
    // A level the list does not offer writes no row past the fourth.
    const OptionRows tooHigh = BuildOptionRows(missing, 1, 1, 7, scratch, rng);
    EXPECT_TRUE(onlyWordsOf(tooHigh[0], 1));

    // The easy level with nothing to draw: only the three sounds, or the one
    // other word standing last. The row stays empty instead of drawing forever.
    counts = {};
    counts[1] = counts[2] = counts[3] = 12;
    ContentTables onlyThree = makeTables(counts);
    const OptionRows e = BuildOptionRows(onlyThree, 1, 1, 0, scratch, rng);
    EXPECT_TRUE(onlyWordsOf(e[0], 1));
    for (const QString& w : e[3])
        EXPECT_TRUE(w.isEmpty());
    onlyThree.WordTable.push_back({QStringLiteral("last"), 8, QString()});
    onlyThree.WordCount += 1;
    EXPECT_TRUE(DrawOtherSoundWord(onlyThree, {1, 2, 3}, rng).isEmpty());
    ContentTables empty;
    EXPECT_TRUE(DrawOtherSoundWord(empty, {1, 2, 3}, rng).isEmpty());
    // A count that claims more entries than exist never reads past the table.
    onlyThree.WordCount = 5000;
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(DrawOtherSoundWord(onlyThree, {1, 2, 3}, rng), QStringLiteral("last"));
}

TEST(Placement, EightyOneDrawSequencesPlaceTheOptionsWithTheIntendedBias)
{
    std::array<int, 4> rightAnswerOn{};
    std::set<Placement> orders;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 3; ++c)
                for (int d = 0; d < 3; ++d) {
                    const Placement p = PlacementFromDraws({a, b, c, d});
                    EXPECT_EQ(std::set<int>(p.begin(), p.end()).size(), 4u) << "every place shows one option";
                    ++rightAnswerOn[static_cast<size_t>(p[0])];
                    EXPECT_NE(p[3], 3) << "option 4 never lands on the fourth label";
                    orders.insert(p);
                }
    EXPECT_EQ(rightAnswerOn, (std::array<int, 4>{18, 20, 16, 27}));
    EXPECT_EQ(orders.size(), 18u);

    // DrawPlacement takes its four draws from the source, one per swap.
    RandomSource a, b;
    a.seed(77);
    b.seed(77);
    for (int i = 0; i < 50; ++i) {
        std::array<int, 4> draws{};
        for (int& d : draws)
            d = b.next(3);
        EXPECT_EQ(DrawPlacement(a), PlacementFromDraws(draws));
    }
}
