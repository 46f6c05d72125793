// The history's two figures. Recording a run: what the window thread spends
// handing a finished run to the recorder, against copying the same report
// (the least any hand-over does), and the commit the recorder's thread then
// makes, against the same rows inserted through bare Qt SQL. Opening the
// "Haladás" window on a history of 10,000 runs, until it has painted,
// against the same queries in the sqlite3 shell.
#include "history/history_reader.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "support/clock.h"
#include "support/figures.h"
#include "support/paint_watch.h"
#include "support/unattended.h"
#include "ui/progress_window.h"

#include <QApplication>
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

RunReport testRun(int n)
{
    RunReport r;
    r.kind = n % 3 == 0 ? RunKind::Practice : RunKind::Test;
    r.lesson = n % 16 + 1;
    r.level = n % 3;
    r.endedAt = QDateTime(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC).addSecs(600LL * n);
    r.startedAt = r.endedAt.addSecs(-120);
    for (int q = 1; q <= 10; ++q) {
        AskedQuestion a;
        a.correctPlace = (n + q) % 4;
        for (int p = 0; p < 4; ++p) {
            a.offered[static_cast<size_t>(p)] = QStringLiteral("word%1").arg((n * 7 + q * 3 + p) % 900);
            a.sounds[static_cast<size_t>(p)] = p == a.correctPlace ? r.lesson : (r.lesson + p) % 16 + 1;
        }
        a.chosenPlace = (n * q) % 5 == 0 ? (a.correctPlace + 1) % 4 : a.correctPlace;
        r.questions.push_back(a);
        (a.chosenPlace == a.correctPlace ? r.rightCount : r.wrongCount) += 1;
    }
    return r;
}

// The floor of a commit: the run's row and its ten answers in one
// transaction, through Qt SQL with nothing of the store around it.
double bareCommitMs(QSqlDatabase& db, const RunReport& r)
{
    const int64_t start = nowNs();
    QSqlQuery q(db);
    q.exec(QStringLiteral("BEGIN IMMEDIATE"));
    q.prepare(QStringLiteral("INSERT INTO runs (kind, lesson, level, started_at, ended_at, outcome, right_count, "
                             "wrong_count) VALUES ('test', ?, ?, ?, ?, 'finished', ?, ?)"));
    for (const QVariant& v :
         {QVariant(r.lesson), QVariant(r.level), QVariant(r.startedAt.toString(Qt::ISODate)),
          QVariant(r.endedAt.toString(Qt::ISODate)), QVariant(r.rightCount), QVariant(r.wrongCount)})
        q.addBindValue(v);
    q.exec();
    const qlonglong id = q.lastInsertId().toLongLong();
    q.prepare(QStringLiteral("INSERT INTO answers (run_id, question, word1, word2, word3, word4, sound1, sound2, "
                             "sound3, sound4, correct_place, chosen_place, wrong_tries) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (int n = 0; n < 10; ++n) {
        const AskedQuestion& a = r.questions[static_cast<size_t>(n)];
        q.addBindValue(id);
        q.addBindValue(n + 1);
        for (const QString& w : a.offered)
            q.addBindValue(w);
        for (const int s : a.sounds)
            q.addBindValue(s);
        q.addBindValue(a.correctPlace);
        q.addBindValue(a.chosenPlace);
        q.addBindValue(a.wrongTries);
        q.exec();
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        fail(QStringLiteral("bare commit: ") + q.lastError().text());
    return msBetween(start, nowNs());
}

// 10,000 runs written in one go (the store writes one transaction per run,
// which would make the set-up take minutes).
void fillHistory(const QString& path)
{
    {
        HistoryStore schema(path);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fill"));
        db.setDatabaseName(path);
        if (!db.open())
            fail(QStringLiteral("cannot open the history to fill"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous = OFF"));
        for (int n = 0; n < kRuns; ++n)
            bareCommitMs(db, testRun(n));
        QSqlQuery q(db);
        q.exec(QStringLiteral("UPDATE runs SET kind = 'practice', right_count = 0 WHERE id % 3 = 0"));
        q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("fill"));
}

using ejteto::bench::PaintWatch;

double openWindowMs(ProgressWindow& window, PaintWatch& watch)
{
    window.hide();
    QCoreApplication::processEvents();
    watch.reset();
    const int64_t start = nowNs();
    window.showOver(nullptr);
    const int64_t deadline = start + 10'000'000'000;
    while (!watch.painted()) {
        if (nowNs() > deadline)
            fail(QStringLiteral("the progress window was not painted"));
        QCoreApplication::processEvents();
    }
    return msBetween(start, nowNs());
}

double shellQueriesMs(const QString& sqlite3, const QString& path)
{
    const QByteArray sql = summaryStatements().join(QStringLiteral(";\n")).toUtf8() + ";\n";
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

} // namespace

int main(int argc, char** argv)
{
    runUnattended();
    QApplication app(argc, argv);
    const BenchOptions o = parseOptions(argc, argv, 21);
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite3.isEmpty())
        fail(QStringLiteral("the sqlite3 shell is missing (scripts/bench installs it)"));
    QTemporaryDir dir;

    // Recording: the recorder on a file of its own, the bare floor on another.
    Samples handOver, copyFloor, commit, bareCommit;
    {
        const QString path = dir.filePath(QStringLiteral("record/history.sqlite"));
        HistoryRecorder recorder(path, nullptr, {});
        recorder.flush(10000);
        HistoryStore store(dir.filePath(QStringLiteral("commit/history.sqlite")));
        {
            HistoryStore schema(dir.filePath(QStringLiteral("bare/history.sqlite")));
        }
        QSqlDatabase bare = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bare"));
        bare.setDatabaseName(dir.filePath(QStringLiteral("bare/history.sqlite")));
        bare.open();
        QSqlQuery(bare).exec(QStringLiteral("PRAGMA journal_mode = WAL"));
        QSqlQuery(bare).exec(QStringLiteral("PRAGMA synchronous = FULL"));
        std::vector<RunReport> kept;
        kept.reserve(static_cast<size_t>(o.rounds) + 1);
        for (int round = 0; round <= o.rounds; ++round) {
            const RunReport run = testRun(round);
            int64_t start = nowNs();
            recorder.runEnded(run);
            const double handed = msBetween(start, nowNs());
            recorder.flush(10000); // the next hand-over finds the writer idle
            start = nowNs();
            kept.push_back(run);
            const double copied = msBetween(start, nowNs());
            start = nowNs();
            if (!store.recordRun(run).ok())
                fail(QStringLiteral("the store did not commit"));
            const double committed = msBetween(start, nowNs());
            const double bareMs = bareCommitMs(bare, run);
            if (round == 0)
                continue; // warm-up
            handOver.add(handed * 1000);
            copyFloor.add(copied * 1000);
            commit.add(committed);
            bareCommit.add(bareMs);
        }
        bare.close();
        bare = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("bare"));
    }

    // Opening the window on 10,000 runs.
    const QString big = dir.filePath(QStringLiteral("big/history.sqlite"));
    fillHistory(big);
    Samples opening, shell;
    {
        HistoryRecorder recorder(big, nullptr, {});
        recorder.flush(30000);
        ProgressWindow window(recorder);
        PaintWatch watch(&window);
        for (int round = 0; round <= o.rounds; ++round) {
            const double opened = openWindowMs(window, watch);
            const double floor = shellQueriesMs(sqlite3, big);
            if (round == 0)
                continue;
            opening.add(opened);
            shell.add(floor);
        }
    }

    if (!o.rowsOnly)
        printHeader();
    printRow(QStringLiteral("(h) record a run, window thread (vs a copy)"), handOver, copyFloor, Unit::Microseconds);
    printRow(QStringLiteral("(h) commit a run, writer thread (vs Qt SQL)"), commit, bareCommit, Unit::Milliseconds);
    printRow(QStringLiteral("(h) open Haladás, 10,000 runs (vs sqlite3)"), opening, shell, Unit::Milliseconds);
    printNote(QStringLiteral("(h) the window thread only hands the run over; the commit (synchronous, WAL) runs on "
                             "the recorder's thread. The shell floor includes starting sqlite3."));
    return 0;
}
