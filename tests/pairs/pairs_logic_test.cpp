// The rules of the pairs game without any window: dealing by level, the
// shuffle, the press state machine and the result line.
#include "app/app_error.h"
#include "content/pairs_game.h"

#include <QSet>
#include <gtest/gtest.h>
#include <map>
#include <utility>
#include <vector>

using namespace ejteto;

namespace {

// A word table of (word, sound) entries 1..n, as loading would leave it.
ContentTables tableOf(const std::vector<std::pair<QString, int>>& entries)
{
    ContentTables t;
    t.WordTable.resize(entries.size() + 1);
    for (size_t i = 0; i < entries.size(); ++i)
        t.WordTable[i + 1] = szorekord{entries[i].first, entries[i].second, QStringLiteral("jelentés")};
    t.WordCount = static_cast<int32_t>(entries.size());
    return t;
}

// Sound s has `perSound` words "s<s>w<k>".
ContentTables regularTable(int sounds, int perSound)
{
    std::vector<std::pair<QString, int>> entries;
    for (int s = 1; s <= sounds; ++s)
        for (int k = 1; k <= perSound; ++k)
            entries.emplace_back(QStringLiteral("s%1w%2").arg(s).arg(k), s);
    return tableOf(entries);
}

RandomSource seeded(uint32_t seed)
{
    RandomSource r;
    r.seed(seed);
    return r;
}

QString messageOf(const std::function<void()>& body)
{
    try {
        body();
    } catch (const AppError& e) {
        return e.message();
    }
    return {};
}

const QString kNotEnough = QStringLiteral("A szólistában nincs elég szó a játékhoz.");

} // namespace

TEST(PairsDeal, LevelZeroDealsEachDrawnWordTwiceInTheWrittenDrawOrder)
{
    const ContentTables t = regularTable(16, 12);
    for (uint32_t seed : {1u, 77u, 123456u}) {
        RandomSource rng = seeded(seed);
        RandomSource replay = seeded(seed);
        const GameWordArray w = drawPairWords(t, 0, rng);
        for (int p = 0; p < kGamePairs; ++p) {
            const int entry = replay.next(t.WordCount - 1) + 1;
            EXPECT_EQ(w[p], t.WordTable[entry].Word) << "pair " << p;
            EXPECT_EQ(w[kGamePairs + p], w[p]) << "pair " << p;
        }
        EXPECT_EQ(rng.state(), replay.state()) << "exactly ten draws";
    }
}

TEST(PairsDeal, LevelZeroRepeatsWordsWhenTheTableIsSmall)
{
    // Two drawable words for ten pairs: words must repeat, and the deal
    // still succeeds.
    const ContentTables t = tableOf({{"cat", 1}, {"dog", 2}, {"last", 3}});
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RandomSource rng = seeded(seed);
        const GameWordArray w = drawPairWords(t, 0, rng);
        QSet<QString> distinct(w.begin(), w.end());
        EXPECT_LE(distinct.size(), 2);
        EXPECT_FALSE(distinct.contains(QStringLiteral("last")));
    }
}

TEST(PairsDeal, SoundLevelsPairTwoSpellingsOfOneSoundDrawnAsWritten)
{
    const ContentTables t = regularTable(16, 12);
    for (int level : {1, 2}) {
        RandomSource rng = seeded(4242u + static_cast<uint32_t>(level));
        RandomSource replay = rng;
        const GameWordArray w = drawPairWords(t, level, rng);
        for (int p = 0; p < kGamePairs; ++p) {
            // Replay: the first word, then candidates until one fits.
            const QString first = t.WordTable[replay.next(t.WordCount - 1) + 1].Word;
            QString candidate;
            do
                candidate = t.WordTable[replay.next(t.WordCount - 1) + 1].Word;
            while (SoundOfWord(t, candidate) != SoundOfWord(t, first) || candidate == first);
            EXPECT_EQ(w[p], first);
            EXPECT_EQ(w[kGamePairs + p], candidate);
            EXPECT_NE(w[p], w[kGamePairs + p]);
            EXPECT_EQ(SoundOfWord(t, w[p]), SoundOfWord(t, w[kGamePairs + p]));
        }
        EXPECT_EQ(rng.state(), replay.state());
    }
}

TEST(PairsDeal, TheLastEntryNeverTakesPart)
{
    // "z" is the last entry and the only other spelling of sound 1 besides
    // "a": sound 1 can never be dealt at the sound levels.
    const ContentTables t = tableOf({{"a", 1}, {"b", 2}, {"c", 2}, {"d", 3}, {"e", 3}, {"z", 1}});
    for (int level : {0, 1, 2}) {
        for (uint32_t seed = 1; seed <= 200; ++seed) {
            RandomSource rng = seeded(seed);
            const GameWordArray w = drawPairWords(t, level, rng);
            for (const QString& word : w) {
                ASSERT_NE(word, QStringLiteral("z")) << "level " << level << " seed " << seed;
                if (level != 0) {
                    ASSERT_NE(word, QStringLiteral("a")) << "a has no drawable partner";
                }
            }
        }
    }
}

TEST(PairsDeal, SoundLevelsAllowRepeatsAndSharedSounds)
{
    // One sound with two spellings: every pair is a/b or b/a.
    const ContentTables t = tableOf({{"a", 5}, {"b", 5}, {"c", 6}, {"last", 5}});
    RandomSource rng = seeded(9);
    const GameWordArray w = drawPairWords(t, 1, rng);
    for (int p = 0; p < kGamePairs; ++p) {
        const QSet<QString> pair{w[p], w[kGamePairs + p]};
        EXPECT_EQ(pair, (QSet<QString>{"a", "b"})) << "pair " << p;
    }
}

TEST(PairsDeal, ContentThatCannotGiveAGameIsAClearErrorNotAHang)
{
    // Every sound has one spelling only; the one with two has the second
    // in the undrawable last entry; the same word twice is no partner.
    const ContentTables oneSpellingEach = tableOf({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}});
    const ContentTables partnerOnlyLast = tableOf({{"a", 1}, {"b", 2}, {"c", 1}});
    const ContentTables sameWordTwice = tableOf({{"a", 1}, {"a", 1}, {"b", 2}, {"c", 3}});
    for (const ContentTables* t : {&oneSpellingEach, &partnerOnlyLast, &sameWordTwice})
        for (int level : {1, 2}) {
            RandomSource rng = seeded(3);
            const uint32_t before = rng.state();
            EXPECT_EQ(messageOf([&] { drawPairWords(*t, level, rng); }), kNotEnough);
            EXPECT_EQ(rng.state(), before) << "nothing drawn";
        }
    // Level 0 only needs one drawable entry.
    RandomSource rng = seeded(3);
    EXPECT_NO_THROW(drawPairWords(oneSpellingEach, 0, rng));

    for (int level : {0, 1, 2}) {
        EXPECT_EQ(messageOf([&] { drawPairWords(tableOf({{"a", 1}}), level, rng); }), kNotEnough);
        EXPECT_EQ(messageOf([&] { drawPairWords(tableOf({}), level, rng); }), kNotEnough);
    }
}

TEST(PairsDeal, PartnerlessFirstWordsAreRedrawnAndLongSearchesFallBackToTheTable)
{
    // Only sound 2 pairs; most first draws hit a partnerless word.
    const ContentTables t = tableOf({{"a", 1}, {"b", 2}, {"c", 3}, {"d", 4}, {"e", 2}, {"f", 5}, {"last", 9}});
    for (PairDrawLimits limits : {PairDrawLimits{}, PairDrawLimits{1, 1}}) {
        for (uint32_t seed = 1; seed <= 50; ++seed) {
            RandomSource rng = seeded(seed);
            const GameWordArray w = drawPairWords(t, 2, rng, limits);
            for (int p = 0; p < kGamePairs; ++p)
                ASSERT_EQ((QSet<QString>{w[p], w[kGamePairs + p]}), (QSet<QString>{"b", "e"}))
                    << "limits " << limits.candidateDraws << " seed " << seed;
        }
    }
}

TEST(PairsShuffle, SwapsEachPositionWithRandomNineteenInOrder)
{
    RandomSource rng = seeded(2024);
    RandomSource replay = rng;
    const GamePositions positions = shuffleGamePositions(rng);

    GamePositions expected;
    for (int j = 0; j < kGameButtons; ++j)
        expected[j] = j;
    for (int j = 0; j < kGameButtons; ++j)
        std::swap(expected[j], expected[replay.next(19)]);
    EXPECT_EQ(positions, expected);
    EXPECT_EQ(rng.state(), replay.state()) << "exactly twenty draws";
    // The same seed deals the same board.
    RandomSource again = seeded(2024);
    EXPECT_EQ(shuffleGamePositions(again), positions);
}

TEST(PairsShuffle, PositionNineteenIsNeverASwapPartner)
{
    // Position 19 moves only at the last step, to a position below 19: so
    // it never keeps its own slot, and slot 19 ends where the last draw fell.
    std::map<int, int> whereNineteenWent;
    for (uint32_t seed = 1; seed <= 2000; ++seed) {
        RandomSource rng = seeded(seed * 2654435761u);
        const GamePositions positions = shuffleGamePositions(rng);
        ASSERT_NE(positions[19], 19) << "seed " << seed;
        QSet<int> all(positions.begin(), positions.end());
        ASSERT_EQ(all.size(), kGameButtons) << "a permutation";
        for (int i = 0; i < kGameButtons; ++i)
            if (positions[i] == 19)
                ++whereNineteenWent[i];
    }
    EXPECT_EQ(whereNineteenWent.size(), 19u) << "any of positions 0..18";
}

TEST(PairsShuffle, ArrangesPairWordsByPosition)
{
    GameWordArray pairWords;
    for (int i = 0; i < kGameButtons; ++i)
        pairWords[i] = QString::number(i * 10);
    GamePositions positions;
    for (int i = 0; i < kGameButtons; ++i)
        positions[i] = (i + 3) % kGameButtons;
    const GameWordArray w = arrangeGameWords(pairWords, positions);
    EXPECT_EQ(w[0], QStringLiteral("30"));
    EXPECT_EQ(w[19], QStringLiteral("20"));
}

TEST(PairsLevels, InstructionsAndTurnedFacesByLevel)
{
    EXPECT_EQ(pairsInstruction(0), QStringLiteral("Találd meg a szópárokat!"));
    EXPECT_EQ(pairsInstruction(1), QStringLiteral("Találd meg az azonos magánhangzót rejtő szópárokat!"));
    for (int level : {2, -1, 7})
        EXPECT_EQ(pairsInstruction(level), QStringLiteral("Találd meg vakon az azonos magánhangzót rejtő szópárokat!"));
    EXPECT_EQ(turnedButtonText(0, QStringLiteral("cat")), QStringLiteral("cat"));
    EXPECT_EQ(turnedButtonText(1, QStringLiteral("cat")), QStringLiteral("cat"));
    EXPECT_EQ(turnedButtonText(2, QStringLiteral("cat")), QStringLiteral("?"));
}

TEST(PairsLevels, MatchRuleByLevel)
{
    const ContentTables t = tableOf({{"cat", 1}, {"hat", 1}, {"Cat", 2}, {"dog", 3}, {"cat", 3}});
    EXPECT_TRUE(gameWordsMatch(t, 0, "cat", "cat"));
    EXPECT_FALSE(gameWordsMatch(t, 0, "cat", "hat")) << "same sound is not enough at level 0";
    EXPECT_FALSE(gameWordsMatch(t, 0, "cat", "Cat")) << "case-sensitive";
    for (int level : {1, 2}) {
        EXPECT_TRUE(gameWordsMatch(t, level, "cat", "hat"));
        EXPECT_TRUE(gameWordsMatch(t, level, "cat", "cat"));
        EXPECT_FALSE(gameWordsMatch(t, level, "cat", "Cat"));
        EXPECT_FALSE(gameWordsMatch(t, level, "cat", "dog")) << "the sound of a word is its first entry's";
    }
}

namespace {
// A board of ten same-word pairs: buttons i and i + 10 carry "w<i>".
GameWordArray sameWordBoard()
{
    GameWordArray w;
    for (int i = 0; i < kGamePairs; ++i)
        w[i] = w[i + kGamePairs] = QStringLiteral("w%1").arg(i);
    return w;
}

PressOutcome press(PairsPressState& s, const ContentTables& t, const GameWordArray& board, int i)
{
    if (!beginGamePress(s, i))
        return PressOutcome::Waiting;
    return finishGamePress(s, t, 0, board);
}
} // namespace

TEST(PairsPresses, TheSameButtonAgainDoesNothing)
{
    PairsPressState s;
    EXPECT_TRUE(beginGamePress(s, 4));
    EXPECT_EQ(finishGamePress(s, {}, 0, sameWordBoard()), PressOutcome::Waiting);
    EXPECT_EQ(s, (PairsPressState{4, -1, 1, 0, 0}));
    EXPECT_FALSE(beginGamePress(s, 4));
    EXPECT_EQ(s, (PairsPressState{4, 4, 1, 0, 0})) << "not counted; still one turned";
    EXPECT_FALSE(beginGamePress(s, 4));
    EXPECT_EQ(s.PressCount, 1);
}

TEST(PairsPresses, MatchAndMissUpdateTheCounters)
{
    const ContentTables t;
    const GameWordArray board = sameWordBoard();
    PairsPressState s;
    press(s, t, board, 3);
    EXPECT_EQ(press(s, t, board, 13), PressOutcome::Matched);
    EXPECT_EQ(s, (PairsPressState{13, 3, 0, 1, 1})) << "both presses are kept after a match";

    press(s, t, board, 1);
    EXPECT_EQ(s.PreviousPress, 13);
    EXPECT_EQ(press(s, t, board, 2), PressOutcome::Missed);
    EXPECT_EQ(s, (PairsPressState{-1, -1, 0, 1, 2}));

    // The turned button pressed again inside an attempt, then its partner.
    press(s, t, board, 5);
    press(s, t, board, 5);
    EXPECT_EQ(press(s, t, board, 15), PressOutcome::Matched);
    EXPECT_EQ(s, (PairsPressState{15, 5, 0, 2, 3}));
}

TEST(PairsPresses, APerfectGameFinishesAtTheTenthPairWithTenSteps)
{
    const ContentTables t;
    const GameWordArray board = sameWordBoard();
    PairsPressState s;
    for (int p = 0; p < kGamePairs; ++p) {
        EXPECT_EQ(press(s, t, board, p + kGamePairs), PressOutcome::Waiting);
        EXPECT_EQ(press(s, t, board, p), p == 9 ? PressOutcome::Finished : PressOutcome::Matched) << "pair " << p;
    }
    EXPECT_EQ(s.PairCount, 10);
    EXPECT_EQ(s.StepCount, 10);
}

TEST(PairsPresses, SoundLevelsMatchAcrossDealtPairs)
{
    const ContentTables t = tableOf({{"a", 1}, {"b", 1}, {"c", 2}});
    GameWordArray board;
    board.fill(QStringLiteral("c"));
    board[0] = QStringLiteral("a");
    board[7] = QStringLiteral("a");
    PairsPressState s;
    beginGamePress(s, 0);
    finishGamePress(s, t, 1, board);
    beginGamePress(s, 7);
    EXPECT_EQ(finishGamePress(s, t, 1, board), PressOutcome::Matched) << "the same word on both at a sound level";
    beginGamePress(s, 1);
    finishGamePress(s, t, 2, board);
    beginGamePress(s, 2);
    EXPECT_EQ(finishGamePress(s, t, 2, board), PressOutcome::Matched);
}

TEST(PairsResult, ElapsedTimeIsTruncatedNotRounded)
{
    const double start = dayCountOf(QDateTime(QDate(2024, 3, 9), QTime(23, 59, 30, 250)));
    EXPECT_EQ(pairsResultText(gameSecondsBetween(start, start + 59.9 / 86400.0), 10),
              QStringLiteral("Elelt idő: 59 másodperc. Lépések száma: 10 darab."));
    EXPECT_EQ(pairsResultText(gameSecondsBetween(start, start + 83.9 / 86400.0), 14),
              QStringLiteral("Elelt idő: 83 másodperc. Lépések száma: 14 darab."));
    // Across midnight the day count carries on.
    const double after = dayCountOf(QDateTime(QDate(2024, 3, 10), QTime(0, 1, 0, 0)));
    EXPECT_NEAR(gameSecondsBetween(start, after), 89.75f, 0.01f);
    EXPECT_EQ(pairsResultText(gameSecondsBetween(start, after), 23),
              QStringLiteral("Elelt idő: 89 másodperc. Lépések száma: 23 darab."));
}

TEST(PairsResult, DayCountsStartAtTheEndOf1899)
{
    EXPECT_DOUBLE_EQ(dayCountOf(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(dayCountOf(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
}
