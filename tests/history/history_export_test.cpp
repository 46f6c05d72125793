// The teacher's export: the exact CSV of a prepared history, written by the
// program itself with --export-history and no window, and its failure.
#include "history/history_csv.h"
#include "history/history_store.h"
#include "history/sample_runs.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ejteto;
using namespace ejteto::testing;

namespace {

// The program started as a teacher's script would, with its data folder in `dataHome`.
QProcess* exportWith(QProcess& p, const QString& dataHome, const QString& file)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(qEnvironmentVariable("EJTETO_BINARY"), {QStringLiteral("--export-history"), file});
    p.waitForFinished(30000);
    return &p;
}

} // namespace

TEST(HistoryExportTest, TheProgramWritesOneRowPerRunAnswerAndTakeWithoutAWindow)
{
    QTemporaryDir dir;
    {
        HistoryStore store(dir.filePath(QStringLiteral("ejteto/history.sqlite")));
        ASSERT_TRUE(store.recordRun(sampleRun(RunKind::Test, 3, 2, sampleTime(10))).ok());
        RunReport left = sampleRun(RunKind::Practice, 12, 1, sampleTime(20));
        left.end = RunEnd::Abandoned;
        left.level = -1;
        ASSERT_TRUE(store.recordRun(left).ok());
        ASSERT_TRUE(store.recordPairsGame({2, sampleTime(30), sampleTime(31), 63.8f, 14}).ok());
        ASSERT_TRUE(store.recordListeningAnswer(answerOf(sampleTime(32), 3, 4, QStringLiteral("bed"))).ok());
        ASSERT_TRUE(store.recordTake(takeOf(sampleTime(33), 5, 5, QStringLiteral("food"))).ok());
    }
    const QString csv = dir.filePath(QStringLiteral("hét, \"A\" csoport.csv"));
    QProcess p;
    exportWith(p, dir.path(), csv);
    ASSERT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    QFile f(csv);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        QString::fromUtf8(f.readAll()),
        QStringLiteral("azonosító,fajta,lecke,szint,állapot,kezdés,befejezés,helyes,helytelen,másodperc,lépések,"
                       "hang,választott,szó,ítélet\n"
                       "1,teszt,3,Közepes,befejezett,2026-03-02T08:08:35.000Z,2026-03-02T08:10:05.000Z,8,2,,,,,,\n"
                       "2,gyakorlat,12,nincs,félbehagyott,2026-03-02T08:18:35.000Z,2026-03-02T08:20:05.000Z,0,1,,,,,,\n"
                       "3,játék,,Nehéz,befejezett,2026-03-02T08:30:05.000Z,2026-03-02T08:31:05.000Z,,,63.8,14,,,,\n"
                       "1,hallás,3,,,2026-03-02T08:32:05.000Z,2026-03-02T08:32:05.000Z,0,1,,,3,4,bed,\n"
                       "1,kiejtés,5,,,2026-03-02T08:33:05.000Z,2026-03-02T08:33:05.000Z,1,0,,,5,5,food,right\n"));

    // A field with a comma or a quote is quoted.
    StoredRun odd;
    odd.kind = QStringLiteral("test");
    odd.startedAt = QStringLiteral("a,b");
    odd.endedAt = QStringLiteral("say \"x\"");
    EXPECT_TRUE(historyCsv({odd}).contains(",\"a,b\",\"say \"\"x\"\"\","));
}

TEST(HistoryExportTest, AFileThatCannotBeWrittenEndsWithAMessageAndExitCodeOne)
{
    QTemporaryDir dir;
    QProcess p;
    exportWith(p, dir.path(), dir.filePath(QStringLiteral("missing/folder/out.csv")));
    EXPECT_EQ(p.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(p.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardError()).contains(QStringLiteral("nem írhatók")));
}
