// The day's plan on a big history: 10,000 runs and 50,000 answers (40,000
// questions of the runs and 10,000 of the listening drill). Figures: the
// plan made as "Mai gyakorlás" makes it (the reader opened, the schedule
// read, the plan worked out), against the same query in the sqlite3 shell;
// and the schedule rebuilt from every answer, as an older file's upgrade
// does it once, against reading the same answers through bare Qt SQL.
#include "content/today_plan.h"
#include "history/history_reader.h"
#include "history/history_store.h"
#include "support/clock.h"
#include "support/figures.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QVariant>

using namespace ejteto;
using namespace ejteto::bench;

namespace {

constexpr int kRuns = 10000;
constexpr int kQuestionsPerRun = 4;
constexpr int kListeningAnswers = 10000;

const QDateTime kStart(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);

// The bundled course's confusables, most mixed up first.
CourseContrasts bundledContrasts()
{
    return CourseContrasts::fromPairs({{{0, 0},
                                        {2, 3},
                                        {1, 3},
                                        {4, 7},
                                        {3, 10},
                                        {6, 15},
                                        {5, 10},
                                        {3, 8},
                                        {7, 12},
                                        {10, 4},
                                        {11, 4},
                                        {14, 10},
                                        {8, 14},
                                        {14, 3},
                                        {11, 15},
                                        {14, 16},
                                        {15, 9}}});
}

// The answers written in one transaction, as an older program left them:
// no schedule yet.
void fillHistory(const QString& path, const CourseContrasts& c)
{
    {
        HistoryStore schema(path);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        if (!db.open())
            fail(QStringLiteral("cannot open the history to fill"));
        QSqlQuery q(db);
        q.exec(QStringLiteral("PRAGMA synchronous = OFF"));
        q.exec(QStringLiteral("BEGIN"));
        QSqlQuery run(db);
        run.prepare(QStringLiteral("INSERT INTO runs (id, kind, lesson, level, started_at, ended_at, outcome, "
                                   "right_count, wrong_count) VALUES (?, ?, ?, 1, ?, ?, 'finished', 0, 0)"));
        QSqlQuery answer(db);
        answer.prepare(QStringLiteral("INSERT INTO answers (run_id, question, word1, word2, word3, word4, sound1, "
                                      "sound2, sound3, sound4, correct_place, chosen_place, wrong_tries) "
                                      "VALUES (?, ?, 'a', 'b', 'c', 'd', ?, ?, ?, ?, 0, ?, 0)"));
        for (int n = 0; n < kRuns; ++n) {
            const int lesson = n % 16 + 1;
            const QString at = kStart.addSecs(3000LL * n).toString(Qt::ISODateWithMs);
            run.addBindValue(n + 1);
            run.addBindValue(n % 3 == 0 ? QStringLiteral("practice") : QStringLiteral("test"));
            run.addBindValue(lesson);
            run.addBindValue(at);
            run.addBindValue(at);
            run.exec();
            const std::array<int, 2>& conf = c.of(lesson);
            for (int k = 1; k <= kQuestionsPerRun; ++k) {
                answer.addBindValue(n + 1);
                answer.addBindValue(k);
                for (const int s : {lesson, conf[0], conf[0], conf[1]})
                    answer.addBindValue(s);
                answer.addBindValue((n * k) % 7 == 0 ? 1 + k % 3 : 0);
                answer.exec();
            }
        }
        QSqlQuery heard(db);
        heard.prepare(QStringLiteral("INSERT INTO listening_answers (answered_at, played_sound, chosen_sound, word) "
                                     "VALUES (?, ?, ?, 'word')"));
        for (int n = 0; n < kListeningAnswers; ++n) {
            const int sound = n % 16 + 1;
            heard.addBindValue(kStart.addSecs(3000LL * n + 100).toString(Qt::ISODateWithMs));
            heard.addBindValue(sound);
            heard.addBindValue(n % 5 == 0 ? c.of(sound)[0] : sound);
            heard.exec();
        }
        if (!q.exec(QStringLiteral("COMMIT")))
            fail(QStringLiteral("fill: ") + q.lastError().text());
        q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

const QString kScheduleQuery =
    QStringLiteral("SELECT item, stability, difficulty, reviews, lapses, last_review, due_at FROM schedule;\n");

double shellMs(const QString& sqlite3, const QString& path, const QByteArray& sql)
{
    const int64_t start = nowNs();
    QProcess p;
    p.start(sqlite3, {QStringLiteral("-readonly"), path});
    p.write(sql);
    p.closeWriteChannel();
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        fail(QStringLiteral("sqlite3: ") + QString::fromUtf8(p.readAllStandardError()));
    p.readAllStandardOutput();
    return msBetween(start, nowNs());
}

// Reading every answer the rebuild reads, and nothing more.
double bareReadMs(const QString& path)
{
    const int64_t start = nowNs();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        db.setDatabaseName(path);
        db.open();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        qint64 sum = 0;
        for (const QString& sql :
             {QStringLiteral("SELECT r.id, r.ended_at, a.expected_sound, a.chosen_sound, a.sound1, a.sound2, "
                             "a.sound3, a.sound4 FROM runs r JOIN answers a ON a.run_id = r.id ORDER BY r.id"),
              QStringLiteral("SELECT answered_at, played_sound, chosen_sound FROM listening_answers")}) {
            q.exec(sql);
            while (q.next())
                sum += q.value(2).toInt();
        }
        if (sum == 0)
            fail(QStringLiteral("no answers read"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    return msBetween(start, nowNs());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 21);
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3.isEmpty())
        fail(QStringLiteral("the sqlite3 shell is missing (scripts/bench installs it)"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    const CourseContrasts contrasts = bundledContrasts();
    fillHistory(path, contrasts);

    Samples rebuild, bareRead, plan, shell;
    int planned = 0;
    for (int round = 0; round <= o.rounds; ++round) {
        int64_t start = nowNs();
        {
            HistoryStore store(path);
            // Rebuilt each round: a course of other confusables, then this one.
            if (const HistoryWrite w = store.useCourse(CourseContrasts()); !w.ok())
                fail(QStringLiteral("could not forget the schedule: ") + w.error);
            start = nowNs();
            if (const HistoryWrite w = store.useCourse(contrasts); !w.ok())
                fail(QStringLiteral("the schedule was not rebuilt: ") + w.error);
        }
        const double rebuilt = msBetween(start, nowNs());
        const double read = bareReadMs(path);

        start = nowNs();
        const QDateTime now = kStart.addDays(400);
        const HistoryReader reader(path);
        const TodayPlan p = planToday(reader.schedule(), contrasts, now);
        const double made = msBetween(start, nowNs());
        planned = p.size();
        const double floor = shellMs(sqlite3, path, kScheduleQuery.toUtf8());
        if (round == 0)
            continue; // warm-up
        rebuild.add(rebuilt);
        bareRead.add(read);
        plan.add(made);
        shell.add(floor);
    }
    if (planned == 0)
        fail(QStringLiteral("the plan was empty"));

    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(p) today's plan, 10,000 runs, 50,000 answers (vs sqlite3)"), plan, shell,
             Unit::Milliseconds);
    printRow(QStringLiteral("(p) schedule rebuilt from every answer (vs reading them)"), rebuild, bareRead,
             Unit::Milliseconds);
    printNote(QStringLiteral("(p) the plan opens the reader, reads the schedule and plans; the shell floor includes "
                             "starting sqlite3. The rebuild runs once, when an older history is upgraded."));
    return 0;
}
