#include "history/history_store.h"

#include "history_faults.h"
#include "history_schema.h"
#include "history_time.h"
#include "schedule_keeper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <atomic>

namespace ejteto {

namespace {

// Every store has a connection of its own, also two stores of one file.
QString newStoreConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("ejteto-history-%1").arg(next.fetch_add(1));
}

// A write transaction, rolled back unless committed. Taken for writing at
// once, so the busy timeout covers waiting for another running copy.
class WriteTransaction {
public:
    explicit WriteTransaction(QSqlQuery& q) : q_(q) { begun_ = q_.exec(QStringLiteral("BEGIN IMMEDIATE")); }
    ~WriteTransaction()
    {
        if (begun_ && !committed_)
            q_.exec(QStringLiteral("ROLLBACK"));
    }
    WriteTransaction(const WriteTransaction&) = delete;
    WriteTransaction& operator=(const WriteTransaction&) = delete;

    bool begun() const { return begun_; }
    bool commit() { return committed_ = q_.exec(QStringLiteral("COMMIT")); }

private:
    QSqlQuery& q_;
    bool begun_ = false;
    bool committed_ = false;
};

// Runs `statement`, trying again while another connection holds the lock.
// SQLite's busy handler does not cover every step of opening: a copy that
// turns a new file to the write-ahead log, or begins its first
// transaction, while another does the same is told "locked" at once.
template <class Attempt>
QSqlError patiently(int timeoutMs, Attempt attempt)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const QSqlError e = attempt();
        if (faultOf(e) != HistoryFault::Locked || waited.elapsed() >= timeoutMs)
            return e;
        QThread::msleep(10);
    }
}

QString kindName(RunKind kind)
{
    return kind == RunKind::Practice ? QStringLiteral("practice") : QStringLiteral("test");
}

// SQLite keeps a null QString as NULL; the text columns keep "" instead.
QString notNull(const QString& s) { return s.isNull() ? QStringLiteral("") : s; }

QString outcomeName(RunEnd end)
{
    return end == RunEnd::Finished ? QStringLiteral("finished") : QStringLiteral("abandoned");
}

} // namespace

QString defaultHistoryPath()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/ejteto/history.sqlite");
}

HistoryStore::HistoryStore(const QString& path, const HistoryStoreOptions& options)
    : path_(path), options_(options), connection_(newStoreConnectionName())
{
    opening_ = open();
}

HistoryStore::~HistoryStore() { disconnect(); }

QSqlDatabase HistoryStore::database() const { return QSqlDatabase::database(connection_, false); }

HistoryOpening HistoryStore::open()
{
    const QString folder = QFileInfo(path_).absolutePath();
    const bool made = !QFileInfo::exists(folder);
    if (!QDir().mkpath(folder))
        return {HistoryState::Unavailable, unavailableMessage(HistoryFault::ReadOnly, path_, {}), {}};
    // The learner's results are theirs alone.
    if (made)
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QString detail;
    HistoryFault fault = connect(detail);
    if (fault == HistoryFault::None)
        return {HistoryState::Ready, {}, {}};
    if (fault == HistoryFault::Damaged) {
        disconnect();
        const QString aside = setAside(path_);
        if (aside.isEmpty())
            return {HistoryState::Unavailable, unavailableMessage(HistoryFault::ReadOnly, path_, {}), {}};
        fault = connect(detail);
        if (fault == HistoryFault::None)
            return {HistoryState::StartedAfresh, startedAfreshMessage(aside), aside};
    }
    disconnect();
    return {HistoryState::Unavailable, unavailableMessage(fault, path_, detail), {}};
}

HistoryFault HistoryStore::connect(QString& detail)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db.setDatabaseName(path_);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(options_.busyTimeoutMs));
    const auto fail = [&detail](const QSqlError& e) {
        detail = e.text();
        return faultOf(e);
    };
    if (!db.open())
        return fail(db.lastError());
    QSqlQuery q(db);
    const auto run = [&](const QString& statement) {
        return patiently(options_.busyTimeoutMs, [&] { return q.exec(statement) ? QSqlError() : q.lastError(); });
    };
    // The write-ahead log lets a second running copy read and write beside
    // this one, and a killed program loses no committed transaction; a full
    // sync on every commit keeps them through a power cut too. The writes
    // run off the window thread, so its cost is never felt.
    for (const QLatin1String pragma :
         {QLatin1String("PRAGMA journal_mode = WAL"), QLatin1String("PRAGMA synchronous = FULL"),
          QLatin1String("PRAGMA foreign_keys = ON")}) {
        if (const QSqlError e = run(pragma); e.type() != QSqlError::NoError)
            return fail(e);
    }
    if (const QSqlError e = run(QStringLiteral("PRAGMA user_version")); e.type() != QSqlError::NoError)
        return fail(e);
    if (!q.next())
        return fail(q.lastError());
    const int version = q.value(0).toInt();
    if (version > kHistorySchemaVersion)
        return HistoryFault::Newer;
    // A file cut short or overwritten in part reads as a database until
    // one of its pages is needed: find that now, not in the middle of a run.
    if (const QSqlError e = run(QStringLiteral("PRAGMA quick_check")); e.type() != QSqlError::NoError)
        return fail(e);
    if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
        detail = q.value(0).toString();
        return HistoryFault::Damaged;
    }
    q.finish();
    if (const QSqlError e = patiently(options_.busyTimeoutMs, [&] { return migrateHistory(db, version); });
        e.type() != QSqlError::NoError)
        return fail(e);
    return HistoryFault::None;
}

void HistoryStore::disconnect()
{
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        if (db.isOpen())
            db.close();
    }
    if (QSqlDatabase::contains(connection_))
        QSqlDatabase::removeDatabase(connection_);
}

HistoryWrite HistoryStore::failed(const QSqlError& error) const
{
    return {0, writeFailedMessage(faultOf(error), path_)};
}

HistoryWrite HistoryStore::recordRun(const RunReport& run)
{
    if (!available())
        return {0, opening_.message};
    QSqlQuery q(database());
    WriteTransaction t(q);
    if (!t.begun())
        return failed(q.lastError());
    q.prepare(QStringLiteral("INSERT INTO runs (kind, lesson, level, started_at, ended_at, outcome, right_count, "
                             "wrong_count) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(kindName(run.kind));
    q.addBindValue(run.lesson);
    q.addBindValue(run.level);
    q.addBindValue(historyTime(run.startedAt));
    q.addBindValue(historyTime(run.endedAt));
    q.addBindValue(outcomeName(run.end));
    q.addBindValue(run.rightCount);
    q.addBindValue(run.wrongCount);
    if (!q.exec())
        return failed(q.lastError());
    const int64_t id = q.lastInsertId().toLongLong();
    if (const QSqlError e = schedule(runReviews(contrasts_, run), run.endedAt); e.type() != QSqlError::NoError)
        return failed(e);
    q.prepare(QStringLiteral("INSERT INTO answers (run_id, question, word1, word2, word3, word4, sound1, sound2, "
                             "sound3, sound4, correct_place, chosen_place, wrong_tries) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (size_t n = 0; n < run.questions.size(); ++n) {
        const AskedQuestion& a = run.questions[n];
        q.addBindValue(QVariant::fromValue(static_cast<qlonglong>(id)));
        q.addBindValue(static_cast<int>(n + 1));
        for (const QString& word : a.offered)
            q.addBindValue(word.isNull() ? QStringLiteral("") : word);
        for (const int sound : a.sounds)
            q.addBindValue(sound);
        q.addBindValue(a.correctPlace);
        q.addBindValue(a.chosenPlace);
        q.addBindValue(a.wrongTries);
        if (!q.exec())
            return failed(q.lastError());
    }
    if (!t.commit())
        return failed(q.lastError());
    return {id, {}};
}

HistoryWrite HistoryStore::recordPairsGame(const PairsGameReport& game)
{
    return insertOne(QStringLiteral("INSERT INTO runs (kind, level, started_at, ended_at, outcome, seconds, steps) "
                                    "VALUES ('pairs', ?, ?, ?, 'finished', ?, ?)"),
                     {game.level, historyTime(game.startedAt), historyTime(game.endedAt),
                      static_cast<double>(game.seconds), game.steps});
}

HistoryWrite HistoryStore::recordTake(const TakeReport& t)
{
    return insertOne(
        QStringLiteral("INSERT INTO takes (taken_at, target_sound, verdict, f1, f2, f3, word, nearest_sound, "
                       "confusable1, confusable2, bark_target, bark_confusable1, bark_confusable2, moves_onset, "
                       "moves_mid, moves_offset, onset_f1, onset_f2, onset_f3, offset_f1, offset_f2, offset_f3, "
                       "speaker_scale) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {historyTime(t.takenAt),
         t.targetSound,
         t.verdict,
         t.mid.f1,
         t.mid.f2,
         t.mid.f3,
         notNull(t.word),
         t.nearestSound,
         t.confusables[0],
         t.confusables[1],
         t.distanceBark[0],
         t.distanceBark[1],
         t.distanceBark[2],
         notNull(t.movesOnset),
         notNull(t.movesMid),
         notNull(t.movesOffset),
         t.onset.f1,
         t.onset.f2,
         t.onset.f3,
         t.offset.f1,
         t.offset.f2,
         t.offset.f3,
         t.speakerScale},
        takeReviews(t), t.takenAt);
}

HistoryWrite HistoryStore::recordListeningAnswer(const ListeningAnswerReport& a)
{
    return insertOne(
        QStringLiteral("INSERT INTO listening_answers (answered_at, played_sound, chosen_sound, word, lesson, voice, "
                       "offered1, offered2, offered3, is_right, noisy, snr_db, trial_no, response_ms) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        {historyTime(a.at), a.soundId, a.chosen, notNull(a.word), a.lesson, notNull(a.voice), a.offered[0],
         a.offered[1], a.offered[2], a.right ? 1 : 0, a.noisy ? 1 : 0, a.snrDb, a.trialNo,
         static_cast<qlonglong>(a.responseMs)},
        answerReviews(contrasts_, Skill::Hearing, a.soundId, a.chosen, a.offered, ratingOfRightAnswer(a.responseMs)),
        a.at);
}

HistoryWrite HistoryStore::startNewSpeaker(const QDateTime& at)
{
    // The old learner's takes stay; only the scale the next session starts from is set back.
    return insertOne(QStringLiteral("INSERT INTO speaker (id, factor, takes, since) VALUES (1, 1, 0, ?)"
                                    " ON CONFLICT (id) DO UPDATE SET factor = 1, takes = 0, since = excluded.since"),
                     {historyTime(at)});
}

HistoryWrite HistoryStore::useCourse(const CourseContrasts& contrasts)
{
    if (!available())
        return {0, opening_.message};
    contrasts_ = contrasts;
    QSqlDatabase db = database();
    if (scheduleBuiltWith(db, contrasts))
        return {};
    QSqlQuery q(db);
    WriteTransaction t(q);
    if (!t.begun())
        return failed(q.lastError());
    if (const QSqlError e = rebuildSchedule(db, contrasts); e.type() != QSqlError::NoError)
        return failed(e);
    if (!t.commit())
        return failed(q.lastError());
    return {};
}

QSqlError HistoryStore::schedule(const std::vector<ItemReview>& reviews, const QDateTime& at)
{
    QSqlDatabase db = database();
    // Without the course the answer is kept and the schedule caught up later.
    if (contrasts_.empty())
        return markScheduleStale(db);
    return applyReviews(db, reviews, at);
}

HistoryWrite HistoryStore::insertOne(const QString& statement, const QVariantList& values,
                                     const std::vector<ItemReview>& reviews, const QDateTime& at)
{
    if (!available())
        return {0, opening_.message};
    QSqlQuery q(database());
    WriteTransaction t(q);
    if (!t.begun())
        return failed(q.lastError());
    q.prepare(statement);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        return failed(q.lastError());
    const int64_t id = q.lastInsertId().toLongLong();
    if (at.isValid()) {
        if (const QSqlError e = schedule(reviews, at); e.type() != QSqlError::NoError)
            return failed(e);
    }
    if (!t.commit())
        return failed(q.lastError());
    return {id, {}};
}

HistoryWrite HistoryStore::clear()
{
    if (!available())
        return {0, opening_.message};
    QSqlQuery q(database());
    // What is forgotten is overwritten too, not left in the file's free pages.
    q.exec(QStringLiteral("PRAGMA secure_delete = ON"));
    WriteTransaction t(q);
    if (!t.begun())
        return failed(q.lastError());
    for (const QLatin1String table :
         {QLatin1String("answers"), QLatin1String("confusion_counts"), QLatin1String("runs"), QLatin1String("takes"),
          QLatin1String("listening_answers"), QLatin1String("schedule"), QLatin1String("speaker")}) {
        if (!q.exec(QStringLiteral("DELETE FROM ") + table))
            return failed(q.lastError());
    }
    if (!t.commit())
        return failed(q.lastError());
    return {0, {}};
}

} // namespace ejteto
