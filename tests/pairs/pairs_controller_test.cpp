// Whole pairs games driven through the game's controller, without a window
// and on paper time: what every press shows and plays, and the result line.
#include "content/pairs_controller.h"
#include "support/fake_run_world.h"

#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// Four sounds of three words, and a last entry that never takes part.
ContentTables controllerTable()
{
    ContentTables t;
    t.WordTable.assign(1, szorekord{});
    for (int s = 1; s <= 4; ++s)
        for (int k = 1; k <= 3; ++k)
            t.WordTable.push_back({QStringLiteral("s%1w%2").arg(s).arg(k), s, QString()});
    t.WordTable.push_back({QStringLiteral("last"), 9, QString()});
    t.WordCount = static_cast<int32_t>(t.WordTable.size()) - 1;
    return t;
}

class Board : public PairsView {
public:
    void setInstruction(const QString& text) override { instruction = text; }
    void dealButton(int i) override { faces[static_cast<size_t>(i)] = QStringLiteral("-"); }
    void turnButton(int i, const QString& face) override { faces[static_cast<size_t>(i)] = face; }
    void turnBack(int i) override { faces[static_cast<size_t>(i)] = QStringLiteral("-"); }
    void removeButton(int i) override { faces[static_cast<size_t>(i)] = QString(); }

    QString instruction;
    std::array<QString, kGameButtons> faces{}; // "-" face down, empty when gone
};

class PairsControllerTest : public ::testing::Test {
protected:
    PairsControllerTest()
    {
        random.seed(4242u);
        // Every recording lasts 2.9 s of paper time.
        player.onPlay = [this] { time.elapsedMs += 2900; };
    }

    std::pair<int, int> twoOnBoard(bool matching, int level) const
    {
        const PairsGameState& s = game.state();
        for (int i = 0; i < kGameButtons; ++i)
            for (int j = 0; j < kGameButtons; ++j)
                if (i != j && s.onBoard[static_cast<size_t>(i)] && s.onBoard[static_cast<size_t>(j)] &&
                    gameWordsMatch(tables, level, s.GameWords[static_cast<size_t>(i)],
                                   s.GameWords[static_cast<size_t>(j)]) == matching)
                    return {i, j};
        return {-1, -1};
    }

    ContentTables tables = controllerTable();
    RandomSource random;
    RunLog log;
    NotedPlayer player{log};
    PaperTime time{log};
    Board board;
    PairsController game{tables, random, player, time, board};
};

} // namespace

namespace {

struct FinishedGames : RunObserver {
    void runEnded(const RunReport&) override {}
    void pairsGameFinished(const PairsGameReport& game) override { games.push_back(game); }
    std::vector<PairsGameReport> games;
};

} // namespace

TEST_F(PairsControllerTest, WholeGamesAtEveryLevelEndWithTheTruncatedTimeAndTheSteps)
{
    FinishedGames finished;
    game.setObserver(&finished);
    for (int level : {0, 1, 2}) {
        SCOPED_TRACE(level);
        game.Ujjatek(level);
        EXPECT_EQ(board.instruction, pairsInstruction(level));
        for (const QString& face : board.faces)
            EXPECT_EQ(face, QStringLiteral("-"));
        EXPECT_FALSE(game.state().GameWords.front().isEmpty());
        const qint64 dealtAt = time.elapsedMs;

        // One miss: both words heard, both turned back, one step.
        const auto [a, b] = twoOnBoard(false, level);
        ASSERT_GE(a, 0);
        game.Jatekgombmegnyomas(a, level);
        const QString faceA = level == 2 ? QStringLiteral("?") : game.state().GameWords[static_cast<size_t>(a)];
        EXPECT_EQ(board.faces[static_cast<size_t>(a)], faceA);
        game.Jatekgombmegnyomas(a, level); // the turned button again: nothing
        game.Jatekgombmegnyomas(b, level);
        EXPECT_EQ(board.faces[static_cast<size_t>(a)], QStringLiteral("-"));
        EXPECT_EQ(board.faces[static_cast<size_t>(b)], QStringLiteral("-"));
        EXPECT_EQ(player.words.size(), 2);
        EXPECT_EQ(game.state().press.StepCount, 1);

        for (int pair = 1; pair <= kGamePairs; ++pair) {
            const auto [i, j] = twoOnBoard(true, level);
            ASSERT_GE(i, 0) << pair;
            game.Jatekgombmegnyomas(i, level);
            game.Jatekgombmegnyomas(j, level);
            EXPECT_TRUE(board.faces[static_cast<size_t>(i)].isEmpty());
            EXPECT_TRUE(board.faces[static_cast<size_t>(j)].isEmpty());
        }
        // 22 recordings of 2.9 s: 63.8 s, reported as 63.
        EXPECT_EQ(time.elapsedMs - dealtAt, 22 * 2900);
        EXPECT_EQ(board.instruction, QStringLiteral("Elelt idő: 63 másodperc. Lépések száma: 11 darab."));
        ASSERT_EQ(finished.games.size(), static_cast<size_t>(level + 1)) << "one report per finished game";
        EXPECT_EQ(finished.games.back().level, level);
        EXPECT_EQ(finished.games.back().steps, 11);
        EXPECT_NEAR(finished.games.back().seconds, 63.8, 0.01);
        // A found button plays nothing, even when asked.
        const qsizetype heard = player.words.size();
        game.Jatekgombmegnyomas(a, level);
        EXPECT_EQ(player.words.size(), heard);
        EXPECT_EQ(game.state().press.PressCount, 0);
        player.words.clear();
    }
}

TEST_F(PairsControllerTest, APressWhoseRecordingFailsIsTakenBack)
{
    game.Ujjatek(0);
    const auto [a, b] = twoOnBoard(true, 0);
    game.Jatekgombmegnyomas(a, 0);
    player.failing = true;
    EXPECT_THROW(game.Jatekgombmegnyomas(b, 0), std::runtime_error);
    player.failing = false;
    EXPECT_EQ(board.faces[static_cast<size_t>(b)], QStringLiteral("-"));
    EXPECT_EQ(game.state().press.CurrentPress, a) << "the first button still waits for its partner";
    EXPECT_EQ(game.state().press.PressCount, 1);
    game.Jatekgombmegnyomas(b, 0);
    EXPECT_EQ(game.state().press.PairCount, 1);
    EXPECT_EQ(game.state().press.StepCount, 1);
}
