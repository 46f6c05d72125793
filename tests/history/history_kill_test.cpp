// The history against a killed program and a second running copy: another
// process writes runs, is killed with SIGKILL in the middle of its writes,
// and the file still passes SQLite's integrity check (by the sqlite3 tool)
// with every run it reported committed; two copies writing at once keep
// all their runs.
#include "history/history_files.h"

#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace ejteto::testing;

namespace {

QString childProgram() { return QStringLiteral(EJTETO_HISTORY_CHILD); }

QSet<qlonglong> idsIn(const QByteArray& out)
{
    QSet<qlonglong> ids;
    for (const QByteArray& line : out.split('\n')) {
        if (!line.isEmpty())
            ids.insert(line.toLongLong());
    }
    return ids;
}

// Runs whose ten answers are all in the file.
int completeRuns(const QString& path, const QSet<qlonglong>& ids)
{
    int complete = 0;
    for (const qlonglong id : ids) {
        const QString answers =
            queryFile(path, QStringLiteral("SELECT COUNT(*) FROM answers WHERE run_id = %1").arg(id));
        complete += answers == QStringLiteral("10") ? 1 : 0;
    }
    return complete;
}

} // namespace

TEST(HistoryKillTest, AProgramKilledMidWriteLeavesAnIntactFileWithEveryCommittedRun)
{
    const QString sqlite3 = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    ASSERT_FALSE(sqlite3.isEmpty()) << "scripts/setup installs the sqlite3 tool";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    for (int round = 0; round < 3; ++round) {
        QProcess child;
        child.start(childProgram(), {path, QStringLiteral("0")});
        ASSERT_TRUE(child.waitForStarted());
        QByteArray out;
        // Killed at a different moment each round, always while it writes.
        while (idsIn(out).size() < 20 + 15 * round && child.waitForReadyRead(10000))
            out += child.readAllStandardOutput();
        ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
        child.waitForFinished();
        out += child.readAllStandardOutput();
        ASSERT_EQ(child.exitStatus(), QProcess::CrashExit) << child.readAllStandardError().toStdString();

        QProcess check;
        check.start(sqlite3, {path, QStringLiteral("PRAGMA integrity_check;")});
        ASSERT_TRUE(check.waitForFinished());
        EXPECT_EQ(check.readAllStandardOutput().trimmed(), QByteArray("ok")) << round;
        const QSet<qlonglong> committed = idsIn(out);
        EXPECT_GE(committed.size(), 20);
        EXPECT_EQ(completeRuns(path, committed), committed.size()) << round;
        // A run begun but never committed leaves nothing behind.
        EXPECT_EQ(queryFile(path, QStringLiteral("SELECT COUNT(*) FROM answers WHERE run_id NOT IN "
                                                 "(SELECT id FROM runs)")),
                  QStringLiteral("0"));
    }
}

TEST(HistoryKillTest, TwoCopiesWritingAtOnceBothKeepTheirRuns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    QProcess first, second;
    first.start(childProgram(), {path, QStringLiteral("60")});
    second.start(childProgram(), {path, QStringLiteral("60")});
    ASSERT_TRUE(first.waitForFinished(60000));
    ASSERT_TRUE(second.waitForFinished(60000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    QSet<qlonglong> ids = idsIn(first.readAllStandardOutput());
    const QSet<qlonglong> others = idsIn(second.readAllStandardOutput());
    EXPECT_EQ(ids.size(), 60);
    EXPECT_EQ(others.size(), 60);
    ids.unite(others);
    EXPECT_EQ(ids.size(), 120) << "no run took another's place";
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 120);
    EXPECT_EQ(completeRuns(path, ids), 120);

    // Two copies starting together on a file neither has made yet: both
    // make it theirs (the one that comes second waits for the first).
    for (int round = 0; round < 10; ++round) {
        const QString fresh = dir.filePath(QStringLiteral("fresh%1.sqlite").arg(round));
        QProcess a, b;
        a.start(childProgram(), {fresh, QStringLiteral("2")});
        b.start(childProgram(), {fresh, QStringLiteral("2")});
        ASSERT_TRUE(a.waitForFinished(30000) && b.waitForFinished(30000));
        EXPECT_EQ(a.exitCode() + b.exitCode(), 0)
            << round << a.readAllStandardError().toStdString() << b.readAllStandardError().toStdString();
        EXPECT_EQ(countRows(fresh, QStringLiteral("runs")), 4) << round;
    }
}
