// The history store and its reader without a window, in temporary folders:
// what a run leaves in the file, the summary the progress window shows, the
// forgetting, and an older file brought up to date.
#include "history/history_files.h"
#include "history/history_reader.h"
#include "history/history_store.h"
#include "history/sample_runs.h"

#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

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
    ASSERT_TRUE(store.recordTake(sampleTake(sampleTime(42))).ok());
    ASSERT_TRUE(store.recordListeningAnswer(sampleAnswer(sampleTime(43))).ok());

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
    // Lessons 4 and 7 were only heard in the drill and said in a take.
    ASSERT_EQ(s.lessons.size(), 4u);
    EXPECT_EQ(s.lessons[0].lesson, 3);
    EXPECT_EQ(s.lessons[0].runs, 2);
    EXPECT_EQ(s.lessons[0].testScores, (std::vector<int>{8, 3}));
    EXPECT_EQ(s.lessons[1].lesson, 4);
    EXPECT_EQ(s.lessons[1].hearingTotal, 1);
    EXPECT_EQ(s.lessons[1].hearingRight, 0);
    EXPECT_EQ(s.lessons[2].lesson, 5);
    EXPECT_EQ(s.lessons[2].abandoned, 1);
    EXPECT_TRUE(s.lessons[2].testScores.empty()) << "practice has no score";
    EXPECT_EQ(s.lessons[3].lesson, 7);
    EXPECT_EQ(s.lessons[3].sayingTotal, 1);
    EXPECT_EQ(s.lessons[3].daysPractised, 1);
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
    EXPECT_TRUE(store.recordTake(sampleTake(sampleTime(6))).ok());
    EXPECT_EQ(HistoryReader(path).takes().size(), 1u);
}

namespace {

// The rows of `sql` as the sqlite3 program prints them, one line each,
// columns between "|"; nothing when it is not installed.
std::optional<QStringList> sqlite3Rows(const QString& path, const QString& sql)
{
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {QStringLiteral("-readonly"), path, sql});
    if (!p.waitForFinished(10000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

TEST(HistoryStoreTest, ATakeKeepsWhatWasJudgedAndAnAnswerEveryFieldAsSqlite3ReadsThem)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryStore store(path);
    ASSERT_TRUE(store.recordTake(sampleTake(sampleTime(1))).ok());
    ASSERT_TRUE(store.recordListeningAnswer(sampleAnswer(sampleTime(2))).ok());

    const HistoryReader reader(path);
    const std::vector<StoredTake> takes = reader.takes();
    ASSERT_EQ(takes.size(), 1u) << reader.problem().toStdString();
    const StoredTake& t = takes[0];
    EXPECT_EQ(t.takenAt, "2026-03-02T08:01:05.000Z");
    EXPECT_EQ(t.targetSound, 7);
    EXPECT_EQ(t.word, "cup");
    EXPECT_EQ(t.verdict, "wrong");
    EXPECT_EQ(t.nearestSound, 8);
    EXPECT_EQ(t.confusables, (std::array<int, 2>{8, 2}));
    EXPECT_EQ(t.distanceBark, (std::array<double, 3>{1.5, 0.25, 2.75}));
    EXPECT_EQ(t.movesMid, "close back");
    EXPECT_EQ(t.movesOffset, "");
    EXPECT_EQ(t.onset, (std::array<double, 3>{610, 1190, 2490}));
    EXPECT_EQ(t.mid, (std::array<double, 3>{620, 1180, 2500}));
    EXPECT_EQ(t.offset, (std::array<double, 3>{630, 1170, 2510}));
    EXPECT_EQ(t.speakerScale, 1.125);

    const std::vector<StoredListeningAnswer> answers = reader.listeningAnswers();
    ASSERT_EQ(answers.size(), 1u);
    const StoredListeningAnswer& a = answers[0];
    EXPECT_EQ(a.lesson, 4);
    EXPECT_EQ(a.word, "ship");
    EXPECT_EQ(a.playedSound, 4);
    EXPECT_EQ(a.voice, "anna");
    EXPECT_EQ(a.offered, (std::array<int, 3>{6, 4, 9}));
    EXPECT_EQ(a.chosenSound, 6);
    EXPECT_FALSE(a.right);
    EXPECT_TRUE(a.noisy);
    EXPECT_EQ(a.snrDb, 5);
    EXPECT_EQ(a.trialNo, 12);
    EXPECT_EQ(a.responseMs, 1375);

    // Another program reads the same rows.
    const auto takeRow = sqlite3Rows(path, QStringLiteral("SELECT target_sound, word, nearest_sound, moves_mid, "
                                                          "onset_f1, f1, offset_f1, speaker_scale FROM takes"));
    const auto answerRow = sqlite3Rows(path, QStringLiteral("SELECT played_sound, chosen_sound, voice, offered1, "
                                                            "offered2, offered3, response_ms, snr_db FROM "
                                                            "listening_answers"));
    if (!takeRow || !answerRow)
        GTEST_SKIP() << "the sqlite3 program is not installed";
    EXPECT_EQ(*takeRow, QStringList{QStringLiteral("7|cup|8|close back|610.0|620.0|630.0|1.125")});
    EXPECT_EQ(*answerRow, QStringList{QStringLiteral("4|6|anna|6|4|9|1375|5")});
}

TEST(HistoryStoreTest, AVersion2FileKeepsItsTakesAndAnswersAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 2, 1, sampleTime(5))).ok());
    }
    // The takes and answers as version 2 kept them.
    queryFile(path, QStringLiteral("DROP TABLE takes"));
    queryFile(path, QStringLiteral("DROP TABLE listening_answers"));
    queryFile(path, QStringLiteral("CREATE TABLE takes (id INTEGER PRIMARY KEY, taken_at TEXT NOT NULL, "
                                   "target_sound INTEGER NOT NULL, verdict TEXT NOT NULL, f1 REAL, f2 REAL, f3 REAL)"));
    queryFile(path,
              QStringLiteral("CREATE TABLE listening_answers (id INTEGER PRIMARY KEY, answered_at TEXT NOT NULL, "
                             "played_sound INTEGER NOT NULL, chosen_sound INTEGER NOT NULL, word TEXT NOT NULL)"));
    queryFile(path, QStringLiteral("INSERT INTO takes (taken_at, target_sound, verdict, f1, f2, f3) VALUES "
                                   "('2026-03-02T08:06:05.000Z', 3, 'Ezt hallottam: /ɪ/.', 400, 1900, 2600)"));
    queryFile(path, QStringLiteral("INSERT INTO listening_answers (answered_at, played_sound, chosen_sound, word) "
                                   "VALUES ('2026-03-02T08:07:05.000Z', 4, 4, 'ship')"));
    queryFile(path, QStringLiteral("PRAGMA user_version = 2"));

    // Read before any program of this version wrote to it...
    {
        const HistoryReader old(path);
        ASSERT_EQ(old.takes().size(), 1u) << old.problem().toStdString();
        EXPECT_EQ(old.takes()[0].nearestSound, 0);
        ASSERT_EQ(old.listeningAnswers().size(), 1u);
        EXPECT_TRUE(old.listeningAnswers()[0].right);
    }
    // ... and after it brought the file up to date.
    HistoryStore store(path);
    ASSERT_EQ(store.opening().state, HistoryState::Ready) << store.opening().message.toStdString();
    EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 1);
    ASSERT_TRUE(store.recordTake(sampleTake(sampleTime(8))).ok());
    ASSERT_TRUE(store.recordListeningAnswer(sampleAnswer(sampleTime(9))).ok());

    const HistoryReader reader(path);
    const std::vector<StoredTake> takes = reader.takes();
    ASSERT_EQ(takes.size(), 2u) << reader.problem().toStdString();
    EXPECT_EQ(takes[0].verdict, "Ezt hallottam: /ɪ/.") << "the old row as it was";
    EXPECT_EQ(takes[0].mid, (std::array<double, 3>{400, 1900, 2600}));
    EXPECT_EQ(takes[0].nearestSound, 0);
    EXPECT_EQ(takes[0].word, "");
    EXPECT_EQ(takes[1].nearestSound, 8);
    const std::vector<StoredListeningAnswer> answers = reader.listeningAnswers();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].word, "ship");
    EXPECT_TRUE(answers[0].right);
    EXPECT_EQ(answers[0].voice, "");
    EXPECT_EQ(answers[1].voice, "anna");
    EXPECT_FALSE(answers[1].right);
}

namespace {

TakeReport takeWithScale(int second, double scale, const char* verdict = "wrong")
{
    TakeReport t = sampleTake(sampleTime(second));
    t.verdict = QString::fromLatin1(verdict);
    t.speakerScale = scale;
    return t;
}

} // namespace

TEST(HistoryStoreTest, TheSpeakersScaleOutlivesARestartAndANewLearnerStartsAgainFromOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    EXPECT_EQ(HistoryReader(path).speakerScale().takes, 0) << "no file yet: a new learner";
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.recordTake(takeWithScale(1, 1.1)).ok());
        ASSERT_TRUE(store.recordTake(takeWithScale(2, 1.25, "right")).ok());
        // Not judged: it carries the scale it was shown with, and moves nothing.
        ASSERT_TRUE(store.recordTake(takeWithScale(3, 1.0, "no_voice")).ok());
    }
    {
        HistoryStore store(path); // the next session
        const KeptSpeakerScale kept = HistoryReader(path).speakerScale();
        EXPECT_DOUBLE_EQ(kept.factor, 1.25);
        EXPECT_EQ(kept.takes, 2);
        ASSERT_TRUE(store.startNewSpeaker(sampleTime(4)).ok());
    }
    {
        HistoryStore store(path);
        const KeptSpeakerScale fresh = HistoryReader(path).speakerScale();
        EXPECT_DOUBLE_EQ(fresh.factor, 1.0);
        EXPECT_EQ(fresh.takes, 0) << "the old learner's scale is not restored";
        EXPECT_EQ(HistoryReader(path).takes().size(), 3u) << "the old learner's takes stay";
        ASSERT_TRUE(store.recordTake(takeWithScale(5, 0.9)).ok());
    }
    const KeptSpeakerScale next = HistoryReader(path).speakerScale();
    EXPECT_DOUBLE_EQ(next.factor, 0.9);
    EXPECT_EQ(next.takes, 1);
}

TEST(HistoryStoreTest, AVersion4FileStartsFromItsNewestJudgedTakesScale)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.recordTake(takeWithScale(1, 1.1)).ok());
        ASSERT_TRUE(store.recordTake(takeWithScale(2, 1.2, "uncertain")).ok());
        ASSERT_TRUE(store.recordTake(takeWithScale(3, 1.0, "no_voice")).ok());
    }
    // The takes as version 4 kept them: each with its scale, none kept apart.
    queryFile(path, QStringLiteral("DROP TRIGGER takes_speaker_scale"));
    queryFile(path, QStringLiteral("DROP TABLE speaker"));
    queryFile(path, QStringLiteral("PRAGMA user_version = 4"));

    for (const bool upgraded : {false, true}) {
        std::optional<HistoryStore> store;
        if (upgraded)
            store.emplace(path);
        const KeptSpeakerScale kept = HistoryReader(path).speakerScale();
        EXPECT_DOUBLE_EQ(kept.factor, 1.2) << "upgraded " << upgraded;
        EXPECT_EQ(kept.takes, 2) << "upgraded " << upgraded;
    }
    EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
}
