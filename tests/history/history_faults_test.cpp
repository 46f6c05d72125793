// A history file the store cannot use as it is: unreadable files are put
// aside and a fresh one begun; a newer, locked, read-only or full one leaves
// the program without history, with one message, and loses nothing already
// committed.
#include "history/history_files.h"
#include "history/history_recorder.h"
#include "history/history_store.h"
#include "history/sample_runs.h"
#include "support/child_process.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

// A history of `runs` runs, checkpointed into the file itself.
void makeHistory(const QString& path, int runs)
{
    HistoryStore store(path);
    for (int n = 0; n < runs; ++n)
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, n % 16 + 1, n % 10, sampleTime(n % 60))).ok());
}

} // namespace

TEST(HistoryFaultsTest, AnUnreadableFileIsKeptBesideAFreshOne)
{
    const std::vector<std::pair<const char*, std::function<void(const QString&)>>> damages = {
        {"not a database", [](const QString& p) { writeFile(p, QByteArray("Level=1\n").repeated(600)); }},
        {"truncated",
         [](const QString& p) {
             makeHistory(p, 300);
             QFile f(p);
             ASSERT_TRUE(f.resize(f.size() / 2));
         }},
    };
    for (const auto& [name, damage] : damages) {
        SCOPED_TRACE(name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("history.sqlite"));
        damage(path);
        const QByteArray before = contentOf(path);

        HistoryStore store(path);
        ASSERT_EQ(store.opening().state, HistoryState::StartedAfresh) << store.opening().message.toStdString();
        const QString aside = store.opening().keptAside;
        EXPECT_TRUE(aside.startsWith(path + QStringLiteral(".damaged-"))) << aside.toStdString();
        EXPECT_EQ(contentOf(aside), before) << "the old file is kept as it was";
        EXPECT_TRUE(store.opening().message.contains(aside));
        EXPECT_TRUE(store.opening().message.contains(QStringLiteral("sérült")));
        EXPECT_TRUE(store.recordRun(sampleRun(RunKind::Test, 1, 0, sampleTime(1))).ok());
        EXPECT_EQ(countRows(path, QStringLiteral("runs")), 1);
    }
}

TEST(HistoryFaultsTest, ANewerOrLockedFileIsLeftAloneAndTheProgramGoesOnWithoutHistory)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 3);
    queryFile(path, QStringLiteral("PRAGMA user_version = 99"));
    const QByteArray newer = contentOf(path);
    {
        HistoryStore store(path);
        EXPECT_EQ(store.opening().state, HistoryState::Unavailable);
        EXPECT_TRUE(store.opening().message.contains(QStringLiteral("újabb változata")))
            << store.opening().message.toStdString();
        EXPECT_FALSE(store.recordRun(sampleRun(RunKind::Test, 1, 0, sampleTime(1))).ok());
    }
    EXPECT_EQ(contentOf(path), newer);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1) << "nothing put aside, nothing added";

    // Another copy holding the file for itself alone.
    queryFile(path, QStringLiteral("PRAGMA user_version = 2"));
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other copy"));
        other.setDatabaseName(path);
        ASSERT_TRUE(other.open());
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("PRAGMA locking_mode = EXCLUSIVE")));
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        HistoryStore store(path, {100});
        EXPECT_EQ(store.opening().state, HistoryState::Unavailable);
        EXPECT_TRUE(store.opening().message.contains(QStringLiteral("zárolja")))
            << store.opening().message.toStdString();
        q.exec(QStringLiteral("ROLLBACK"));
        other.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other copy"));
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 3);
}

TEST(HistoryFaultsTest, ARunWrittenWhileAnotherCopyHoldsTheFileWaitsAndIsWrittenLater)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 1);
    QObject window;
    QStringList told;
    HistoryRecorder recorder(path, &window, [&told](const QString& m) { told << m; }, {100});
    ASSERT_TRUE(recorder.flush(5000));

    QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("writing copy"));
    other.setDatabaseName(path);
    ASSERT_TRUE(other.open());
    {
        QSqlQuery q(other);
        ASSERT_TRUE(q.exec(QStringLiteral("BEGIN IMMEDIATE")));
        recorder.runEnded(sampleRun(RunKind::Test, 2, 0, sampleTime(2)));
        recorder.runEnded(sampleRun(RunKind::Test, 3, 0, sampleTime(3)));
        ASSERT_TRUE(recorder.flush(5000));
        QCoreApplication::processEvents();
        ASSERT_EQ(told.size(), 1) << "one message, not one per run";
        EXPECT_TRUE(told[0].contains(QStringLiteral("zárolja"))) << told[0].toStdString();
        q.exec(QStringLiteral("ROLLBACK"));
    }
    other.close();
    other = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("writing copy"));

    recorder.runEnded(sampleRun(RunKind::Test, 4, 0, sampleTime(4)));
    ASSERT_TRUE(recorder.flush(5000));
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 4) << "the waiting runs were written with the next";
}

// The program opens its history only once the window is on screen: what the
// learner finishes before that, or when the program ends first, still lands.
TEST(HistoryFaultsTest, RunsHandedOverBeforeALateOpeningAreAllWritten)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    {
        HistoryRecorder recorder(path, nullptr, {}, {}, HistoryRecorder::Opening::WhenAsked);
        recorder.runEnded(sampleRun(RunKind::Test, 1, 0, sampleTime(1)));
        EXPECT_FALSE(recorder.flush(200)) << "nothing is written before the opening";
        EXPECT_FALSE(QFileInfo::exists(path));
        recorder.open();
        ASSERT_TRUE(recorder.flush(5000));
        EXPECT_EQ(countRows(path, QStringLiteral("runs")), 1);
    }
    {
        HistoryRecorder recorder(path, nullptr, {}, {}, HistoryRecorder::Opening::WhenAsked);
        recorder.runEnded(sampleRun(RunKind::Test, 2, 0, sampleTime(2)));
    } // ended before it was ever asked to open
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 2);
}

TEST(HistoryFaultsTest, AFolderThatCannotBeWrittenLeavesTheProgramWithoutHistory)
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 2);
    const QByteArray before = contentOf(path);
    const QString seen = inChildProcess(becomeNobody, [&] {
        HistoryStore store(path);
        return QStringLiteral("%1|%2").arg(static_cast<int>(store.opening().state)).arg(store.opening().message);
    });
    EXPECT_TRUE(seen.startsWith(QStringLiteral("%1|").arg(static_cast<int>(HistoryState::Unavailable))))
        << seen.toStdString();
    EXPECT_TRUE(seen.contains(QStringLiteral("nem írható"))) << seen.toStdString();
    EXPECT_EQ(contentOf(path), before);
}

TEST(HistoryFaultsTest, AFullDiskStopsTheWritesAndKeepsEveryCommittedRun)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.sqlite"));
    makeHistory(path, 5);
    const qint64 size = QFileInfo(path).size();
    const QString seen = inChildProcess(
        [size] {
            ::signal(SIGXFSZ, SIG_IGN); // a write past the limit fails instead of killing
            const rlimit limit{static_cast<rlim_t>(size + 40000), static_cast<rlim_t>(size + 40000)};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        },
        [&]() -> QString {
            HistoryStore store(path);
            if (!store.available())
                return QStringLiteral("unavailable ") + store.opening().message;
            for (int written = 0; written < 1000; ++written) {
                const HistoryWrite w = store.recordRun(sampleRun(RunKind::Test, 1, 0, sampleTime(1)));
                if (!w.ok())
                    return QStringLiteral("%1|%2").arg(written).arg(w.error);
            }
            return QStringLiteral("never full");
        });
    const int written = seen.section(QLatin1Char('|'), 0, 0).toInt();
    EXPECT_GT(written, 0) << seen.toStdString();
    EXPECT_TRUE(seen.contains(QStringLiteral("betelt a lemez"))) << seen.toStdString();
    EXPECT_EQ(queryFile(path, QStringLiteral("PRAGMA integrity_check")), QStringLiteral("ok"));
    EXPECT_EQ(countRows(path, QStringLiteral("runs")), 5 + written);
}
