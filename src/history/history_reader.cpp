#include "history/history_reader.h"

#include "history/history_store.h"
#include "history_faults.h"

#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>

namespace ejteto {

namespace {

QString newConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("ejteto-history-reader-%1").arg(next.fetch_add(1));
}

} // namespace

HistoryReader::HistoryReader(const QString& path) : path_(path), connection_(newConnectionName())
{
    if (!QFileInfo::exists(path_)) {
        empty_ = true;
        return;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    // Never changes the file; a writer's checkpoint is waited for briefly.
    db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=200"));
    if (!db.open()) {
        problem_ = unavailableMessage(faultOf(db.lastError()), path_, db.lastError().text());
        return;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) {
        problem_ = unavailableMessage(faultOf(q.lastError()), path_, q.lastError().text());
        return;
    }
    const int version = q.value(0).toInt();
    version_ = version;
    if (version > kHistorySchemaVersion)
        problem_ = unavailableMessage(HistoryFault::Newer, path_, {});
    else if (version == 0)
        empty_ = true; // made, but no run was ever written
}

HistoryReader::~HistoryReader()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase HistoryReader::database() const { return QSqlDatabase::database(connection_, false); }

bool HistoryReader::exec(QSqlQuery& q, const QString& statement) const
{
    if (q.exec(statement))
        return true;
    problem_ = unavailableMessage(faultOf(q.lastError()), path_, q.lastError().text());
    return false;
}

std::vector<StoredRun> HistoryReader::runs() const
{
    std::vector<StoredRun> out;
    if (empty_ || !problem_.isEmpty())
        return out;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    exec(q, QStringLiteral("SELECT id, kind, lesson, level, started_at, ended_at, outcome, right_count, "
                           "wrong_count, seconds, steps FROM runs ORDER BY id"));
    while (q.next()) {
        StoredRun r;
        r.id = q.value(0).toLongLong();
        r.kind = q.value(1).toString();
        r.lesson = q.value(2).toInt();
        r.level = q.value(3).toInt();
        r.startedAt = q.value(4).toString();
        r.endedAt = q.value(5).toString();
        r.outcome = q.value(6).toString();
        r.rightCount = q.value(7).toInt();
        r.wrongCount = q.value(8).toInt();
        r.seconds = q.value(9).toDouble();
        r.steps = q.value(10).toInt();
        out.push_back(r);
    }
    return out;
}

namespace {

// `columns` as a select list; before version 3 (a file no program of this
// version has opened for writing yet) the columns that version added read
// as NULL.
QString selectList(const QStringList& old, const QStringList& added, int version)
{
    QStringList list = old;
    for (const QString& c : added)
        list << (version >= 3 ? c : QStringLiteral("NULL"));
    return list.join(QStringLiteral(", "));
}

} // namespace

std::vector<StoredTake> HistoryReader::takes() const
{
    std::vector<StoredTake> out;
    if (empty_ || !problem_.isEmpty() || version_ < 2)
        return out;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    const QString columns = selectList(
        {QStringLiteral("id"), QStringLiteral("taken_at"), QStringLiteral("target_sound"), QStringLiteral("verdict"),
         QStringLiteral("f1"), QStringLiteral("f2"), QStringLiteral("f3")},
        QStringLiteral("word nearest_sound confusable1 confusable2 bark_target bark_confusable1 bark_confusable2 "
                       "moves_onset moves_mid moves_offset onset_f1 onset_f2 onset_f3 offset_f1 offset_f2 offset_f3 "
                       "speaker_scale")
            .split(QLatin1Char(' ')),
        version_);
    exec(q, QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM takes ORDER BY id"));
    while (q.next()) {
        StoredTake t;
        t.id = q.value(0).toLongLong();
        t.takenAt = q.value(1).toString();
        t.targetSound = q.value(2).toInt();
        t.verdict = q.value(3).toString();
        t.mid = {q.value(4).toDouble(), q.value(5).toDouble(), q.value(6).toDouble()};
        t.word = q.value(7).toString();
        t.nearestSound = q.value(8).toInt();
        t.confusables = {q.value(9).toInt(), q.value(10).toInt()};
        t.distanceBark = {q.value(11).toDouble(), q.value(12).toDouble(), q.value(13).toDouble()};
        t.movesOnset = q.value(14).toString();
        t.movesMid = q.value(15).toString();
        t.movesOffset = q.value(16).toString();
        t.onset = {q.value(17).toDouble(), q.value(18).toDouble(), q.value(19).toDouble()};
        t.offset = {q.value(20).toDouble(), q.value(21).toDouble(), q.value(22).toDouble()};
        t.speakerScale = q.value(23).toDouble();
        out.push_back(t);
    }
    return out;
}

std::vector<StoredListeningAnswer> HistoryReader::listeningAnswers() const
{
    std::vector<StoredListeningAnswer> out;
    if (empty_ || !problem_.isEmpty() || version_ < 2)
        return out;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    const QString columns =
        selectList({QStringLiteral("id"), QStringLiteral("answered_at"), QStringLiteral("played_sound"),
                    QStringLiteral("chosen_sound"), QStringLiteral("word")},
                   QStringLiteral("lesson voice offered1 offered2 offered3 is_right noisy snr_db trial_no response_ms")
                       .split(QLatin1Char(' ')),
                   version_);
    exec(q, QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM listening_answers ORDER BY id"));
    while (q.next()) {
        StoredListeningAnswer a;
        a.id = q.value(0).toLongLong();
        a.answeredAt = q.value(1).toString();
        a.playedSound = q.value(2).toInt();
        a.chosenSound = q.value(3).toInt();
        a.word = q.value(4).toString();
        a.lesson = q.value(5).toInt();
        a.voice = q.value(6).toString();
        a.offered = {q.value(7).toInt(), q.value(8).toInt(), q.value(9).toInt()};
        // Answers kept before version 3 were right when the vowel chosen was the one played.
        a.right = q.value(10).isNull() ? a.playedSound == a.chosenSound : q.value(10).toInt() != 0;
        a.noisy = q.value(11).toInt() != 0;
        a.snrDb = q.value(12).toInt();
        a.trialNo = q.value(13).toInt();
        a.responseMs = q.value(14).toLongLong();
        out.push_back(a);
    }
    return out;
}

QStringList summaryStatements(int confusionCount)
{
    return {
        QStringLiteral("SELECT lesson, COUNT(*), SUM(outcome = 'abandoned') FROM runs "
                       "WHERE kind <> 'pairs' GROUP BY lesson ORDER BY lesson"),
        QStringLiteral("SELECT lesson, right_count FROM runs WHERE kind = 'test' AND outcome = 'finished' "
                       "ORDER BY lesson, ended_at, id"),
        // Only the first answer of a question counts (the schema's
        // trigger counts it): a practice run's later tries are guided by
        // the verdict.
        QStringLiteral("SELECT expected_sound, chosen_sound, count FROM confusion_counts"
                       " ORDER BY count DESC, expected_sound, chosen_sound LIMIT %1")
            .arg(confusionCount),
        QStringLiteral("SELECT COUNT(*) FROM runs WHERE kind = 'pairs'"),
    };
}

HistorySummary HistoryReader::summary(int confusionCount) const
{
    HistorySummary out;
    if (empty_ || !problem_.isEmpty())
        return out;
    const QStringList statements = summaryStatements(confusionCount);
    QSqlQuery q(database());
    q.setForwardOnly(true);
    std::map<int, LessonProgress> lessons;
    exec(q, statements[0]);
    while (q.next()) {
        LessonProgress& l = lessons[q.value(0).toInt()];
        l.lesson = q.value(0).toInt();
        l.runs = q.value(1).toInt();
        l.abandoned = q.value(2).toInt();
    }
    exec(q, statements[1]);
    while (q.next())
        lessons[q.value(0).toInt()].testScores.push_back(q.value(1).toInt());
    for (auto& [lesson, progress] : lessons)
        out.lessons.push_back(std::move(progress));
    exec(q, statements[2]);
    while (q.next())
        out.confusions.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()});
    exec(q, statements[3]);
    if (q.next())
        out.pairsGames = q.value(0).toInt();
    return out;
}

} // namespace ejteto
