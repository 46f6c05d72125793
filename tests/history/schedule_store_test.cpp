// The schedule the history keeps: a row for each item answered, moved on in
// the answer's own transaction, wrong answers due sooner than right ones,
// and files from older programs scheduled from what they hold.
#include "history/history_files.h"
#include "history/history_reader.h"
#include "history/history_store.h"
#include "history/sample_runs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

CourseContrasts contrasts()
{
    std::array<std::array<int, 2>, kSoundCount + 1> pairs{};
    for (int s = 1; s <= kSoundCount; ++s)
        pairs[size_t(s)] = {s % 16 + 1, (s + 1) % 16 + 1};
    return CourseContrasts::fromPairs(pairs);
}

QString dueOf(const QString& path, const QString& item)
{
    return queryFile(path, QStringLiteral("SELECT due_at FROM schedule WHERE item = '%1'").arg(item));
}

// Two test runs, listening answers and takes, as the program hands them over.
void keepSomeOfEach(HistoryStore& store)
{
    // Lesson 3 against 4: all ten right; lesson 5 against 6: three missed.
    ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 0, sampleTime(10), 4)).ok());
    ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 5, 3, sampleTime(12), 6)).ok());
    // /1/ heard right beside 2; /8/ taken for /9/.
    ListeningAnswer right = answerOf(sampleTime(14), 1, 1, QStringLiteral("s1"));
    right.offered = {1, 2, 0};
    ASSERT_TRUE(store.recordListeningAnswer(right).ok());
    ASSERT_TRUE(store.recordListeningAnswer(answerOf(sampleTime(15), 8, 9, QStringLiteral("s8"))).ok());
    ASSERT_TRUE(store.recordTake(takeOf(sampleTime(16), 10, 10)).ok());
    ASSERT_TRUE(store.recordTake(takeOf(sampleTime(17), 11, 12)).ok());
    // A take with no vowel in it moves nothing.
    TakeReport silent = takeOf(sampleTime(18), 13, 0);
    silent.verdict = QStringLiteral("no_voice");
    ASSERT_TRUE(store.recordTake(silent).ok());
}

} // namespace

TEST(ScheduleStoreTest, EveryAnswerLeavesItsItemWithWrongOnesDueSooner)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    HistoryStore store(path);
    ASSERT_TRUE(store.useCourse(contrasts()).ok());
    keepSomeOfEach(store);

    for (const QString& item : {QStringLiteral("choose/3/4"), QStringLiteral("choose/5/6"), QStringLiteral("hear/1/2"),
                                QStringLiteral("hear/8/9"), QStringLiteral("say/10/"), QStringLiteral("say/11/")})
        EXPECT_FALSE(dueOf(path, item).startsWith(QLatin1String("(error"))) << item.toStdString();
    EXPECT_EQ(countRows(path, QStringLiteral("schedule")), 6);
    EXPECT_LT(dueOf(path, QStringLiteral("choose/5/6")), dueOf(path, QStringLiteral("choose/3/4")));
    EXPECT_LT(dueOf(path, QStringLiteral("hear/8/9")), dueOf(path, QStringLiteral("hear/1/2")));
    EXPECT_LT(dueOf(path, QStringLiteral("say/11/")), dueOf(path, QStringLiteral("say/10/")));
    EXPECT_EQ(dueOf(path, QStringLiteral("hear/8/9")), QStringLiteral("2026-03-02T08:25:05.000Z"))
        << "a miss comes back ten minutes later";

    // The reader gives the same items to the plan.
    const HistoryReader reader(path);
    const std::vector<ScheduledItem> kept = reader.schedule();
    ASSERT_EQ(kept.size(), 6u);
    const TodayPlan plan = planToday(kept, contrasts(), sampleTime(40));
    ASSERT_FALSE(plan.choosing.empty());
    EXPECT_EQ(plan.choosing[0].item.key(), QStringLiteral("choose/5/6"));

    // A schedule that could not be written takes its answer with it.
    queryFile(path, QStringLiteral("CREATE TRIGGER no_more BEFORE INSERT ON schedule BEGIN"
                                   " SELECT RAISE(ABORT, 'full'); END"));
    EXPECT_FALSE(store.recordListeningAnswer(answerOf(sampleTime(50), 3, 4)).ok());
    EXPECT_EQ(countRows(path, QStringLiteral("listening_answers")), 2);
}

TEST(ScheduleStoreTest, AFileFromAnOlderProgramIsScheduledFromWhatItHolds)
{
    for (const int older : {1, 2, 3}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        {
            HistoryStore store(path);
            if (older == 3) {
                keepSomeOfEach(store); // no course yet: kept, scheduled later
            } else {
                for (const auto& run : {sampleRun(RunKind::Test, 3, 0, sampleTime(10), 4),
                                        sampleRun(RunKind::Test, 5, 3, sampleTime(12), 6)})
                    ASSERT_TRUE(store.recordRun(run).ok());
            }
        }
        EXPECT_EQ(countRows(path, QStringLiteral("schedule")), 0);
        // The file as the older program left it.
        queryFile(path, QStringLiteral("DROP TABLE schedule"));
        queryFile(path, QStringLiteral("DROP TABLE schedule_source"));
        if (older <= 2) {
            queryFile(path, QStringLiteral("DROP TABLE takes"));
            queryFile(path, QStringLiteral("DROP TABLE listening_answers"));
        }
        if (older == 2) {
            // Version 2 kept the sentence shown for a take, and no offered vowels.
            queryFile(path, QStringLiteral("CREATE TABLE takes (id INTEGER PRIMARY KEY, taken_at TEXT NOT NULL,"
                                           " target_sound INTEGER NOT NULL, verdict TEXT NOT NULL,"
                                           " f1 REAL, f2 REAL, f3 REAL)"));
            queryFile(path, QStringLiteral("CREATE TABLE listening_answers (id INTEGER PRIMARY KEY,"
                                           " answered_at TEXT NOT NULL, played_sound INTEGER NOT NULL,"
                                           " chosen_sound INTEGER NOT NULL, word TEXT NOT NULL)"));
            queryFile(path, QStringLiteral("INSERT INTO listening_answers VALUES"
                                           " (1, '2026-03-02T08:14:05.000Z', 1, 1, 's1'),"
                                           " (2, '2026-03-02T08:15:05.000Z', 8, 9, 's8')"));
            queryFile(path,
                      QStringLiteral("INSERT INTO takes VALUES"
                                     " (1, '2026-03-02T08:16:05.000Z', 10, 'Ezt hallottam: x. Ez a lecke hangja!',"
                                     " 1, 2, 3),"
                                     " (2, '2026-03-02T08:17:05.000Z', 11, 'Ezt hallottam: y, nem x.', 1, 2, 3)"));
        }
        queryFile(path, QStringLiteral("PRAGMA user_version = %1").arg(older));
        EXPECT_TRUE(HistoryReader(path).schedule().empty()) << "an older file reads as no schedule";

        HistoryStore store(path);
        ASSERT_EQ(store.opening().state, HistoryState::Ready) << store.opening().message.toStdString();
        ASSERT_TRUE(store.useCourse(contrasts()).ok());
        EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA user_version")).toInt(), kHistorySchemaVersion);
        // Version 2 kept no offered vowels: a right answer counts for both
        // of the heard vowel's contrasts (hear/1/2 and hear/1/3).
        const int expected[] = {0, 2, 7, 6};
        EXPECT_EQ(countRows(path, QStringLiteral("schedule")), expected[older]) << "from schema " << older;
        EXPECT_LT(dueOf(path, QStringLiteral("choose/5/6")), dueOf(path, QStringLiteral("choose/3/4")));
        if (older >= 2) {
            EXPECT_LT(dueOf(path, QStringLiteral("say/11/")), dueOf(path, QStringLiteral("say/10/")));
        }

        // Answers go on moving it; a changed course rebuilds it.
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Practice, 3, 10, sampleTime(30), 4)).ok());
        EXPECT_EQ(dueOf(path, QStringLiteral("choose/3/4")), QStringLiteral("2026-03-02T08:40:05.000Z"));
        std::array<std::array<int, 2>, kSoundCount + 1> other{};
        other[3] = {9, 0};
        ASSERT_TRUE(store.useCourse(CourseContrasts::fromPairs(other)).ok());
        EXPECT_TRUE(dueOf(path, QStringLiteral("choose/3/4")).startsWith(QLatin1String("2026-03-02T08:40")))
            << "only the misses of lesson 3 are left of it";
    }
}
