// The history store and its reader without a window, in temporary folders:
// what a run leaves in the file, the summary the progress window shows, the
// forgetting, and an older file brought up to date.
#include "history/history_files.h"
#include "history/history_reader.h"
#include "history/history_store.h"
#include "history/sample_runs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

TEST(HistoryStoreTest, KeepsEveryKindOfRunWithItsAnswersAndSummarisesThem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sub/history.sqlite"));
    HistoryStore store(path);
    ASSERT_EQ(store.opening().state, HistoryState::Ready) << store.opening().message.toStdString();
    EXPECT_TRUE(store.opening().message.isEmpty());

    ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 2, sampleTime(10))).ok());
    ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 7, sampleTime(20))).ok());
    RunReport left = sampleRun(RunKind::Practice, 5, 1, sampleTime(30), 2);
    left.end = RunEnd::Abandoned;
    left.questions.resize(2);
    ASSERT_TRUE(store.recordRun(left).ok());
    ASSERT_TRUE(store.recordPairsGame({2, sampleTime(40), sampleTime(41), 63.8f, 14}).ok());
    ASSERT_TRUE(store.recordTake({sampleTime(42), 7, QStringLiteral("jó"), 620, 1180, 2500}).ok());
    ASSERT_TRUE(store.recordListeningAnswer({sampleTime(43), 4, 6, QStringLiteral("ship")}).ok());

    EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA journal_mode")), QStringLiteral("wal"));
    EXPECT_EQ(countRows(path, QStringLiteral("answers")), 22);
    EXPECT_EQ(countRows(path, QStringLiteral("takes")), 1);
    EXPECT_EQ(countRows(path, QStringLiteral("listening_answers")), 1);

    const HistoryReader reader(path);
    ASSERT_TRUE(reader.problem().isEmpty()) << reader.problem().toStdString();
    const std::vector<StoredRun> runs = reader.runs();
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[2].outcome, QStringLiteral("abandoned"));
    EXPECT_EQ(runs[3].kind, QStringLiteral("pairs"));
    EXPECT_EQ(runs[3].steps, 14);

    const HistorySummary s = reader.summary();
    ASSERT_EQ(s.lessons.size(), 2u);
    EXPECT_EQ(s.lessons[0].lesson, 3);
    EXPECT_EQ(s.lessons[0].runs, 2);
    EXPECT_EQ(s.lessons[0].testScores, (std::vector<int>{8, 3}));
    EXPECT_EQ(s.lessons[1].lesson, 5);
    EXPECT_EQ(s.lessons[1].abandoned, 1);
    EXPECT_TRUE(s.lessons[1].testScores.empty()) << "practice has no score";
    ASSERT_EQ(s.confusions.size(), 2u);
    EXPECT_EQ(s.confusions[0].expectedSound, 3);
    EXPECT_EQ(s.confusions[0].chosenSound, 9);
    EXPECT_EQ(s.confusions[0].count, 9);
    EXPECT_EQ(s.confusions[1].expectedSound, 5);
    EXPECT_EQ(s.confusions[1].chosenSound, 2);
    EXPECT_EQ(s.confusions[1].count, 1);
    EXPECT_EQ(s.pairsGames, 1);

    ASSERT_TRUE(store.clear().ok());
    EXPECT_TRUE(reader.runs().empty());
    EXPECT_EQ(countRows(path, QStringLiteral("answers")), 0);
    EXPECT_EQ(countRows(path, QStringLiteral("takes")), 0);
    ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 1, 0, sampleTime(50))).ok()) << "the file goes on";
}

TEST(HistoryStoreTest, AnOlderFileIsBroughtUpToDateWithItsRunsKept)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 2, 1, sampleTime(5))).ok());
    }
    // The file as the first schema left it.
    queryFile(path, QStringLiteral("DROP TABLE takes"));
    queryFile(path, QStringLiteral("DROP TABLE listening_answers"));
    queryFile(path, QStringLiteral("PRAGMA user_version = 1"));

    HistoryStore store(path);
    ASSERT_EQ(store.opening().state, HistoryState::Ready) << store.opening().message.toStdString();
    EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 1);
    EXPECT_EQ(countRows(path, QStringLiteral("answers")), 10);
    EXPECT_TRUE(store.recordTake({sampleTime(6), 3, QStringLiteral("jó"), 1, 2, 3}).ok());
}
