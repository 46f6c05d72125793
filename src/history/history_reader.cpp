#include "history/history_reader.h"

#include "history/history_store.h"
#include "history_faults.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <map>

namespace ejteto {

namespace {

QString newReaderConnectionName()
{
    static std::atomic<int> next{0};
    return QStringLiteral("ejteto-history-reader-%1").arg(next.fetch_add(1));
}

} // namespace

HistoryReader::HistoryReader(const QString& path) : path_(path), connection_(newReaderConnectionName())
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

KeptSpeakerScale HistoryReader::speakerScale() const
{
    KeptSpeakerScale out;
    if (empty_ || !problem_.isEmpty() || version_ < 3)
        return out;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    // A file not yet brought to version 5 has no speaker row: its newest
    // judged take holds the scale, as the step to version 5 would keep it.
    const QString statement =
        version_ >= 5 ? QStringLiteral("SELECT factor, takes FROM speaker WHERE id = 1")
                      : QStringLiteral("SELECT speaker_scale, (SELECT COUNT(*) FROM takes WHERE verdict IN ('right', "
                                       "'wrong', 'uncertain')) FROM takes WHERE speaker_scale > 0 AND verdict IN "
                                       "('right', 'wrong', 'uncertain') ORDER BY id DESC LIMIT 1");
    if (exec(q, statement) && q.next())
        out = {q.value(0).toDouble(), q.value(1).toInt()};
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
        // From schema 2: the drill's answers and the takes.
        QStringLiteral("SELECT played_sound, SUM(played_sound = chosen_sound), COUNT(*) FROM listening_answers "
                       "GROUP BY played_sound"),
        // A take counts when it was judged: "right" or "wrong", or an older
        // file's sentence.
        QStringLiteral("SELECT target_sound, SUM(verdict = 'right' OR verdict LIKE '%Ez a lecke hangja%'), COUNT(*) "
                       "FROM takes WHERE verdict IN ('right', 'wrong') OR verdict LIKE 'Ezt hallottam:%' "
                       "GROUP BY target_sound"),
        QStringLiteral("SELECT played_sound, chosen_sound, COUNT(*) FROM listening_answers "
                       "WHERE chosen_sound <> played_sound GROUP BY played_sound, chosen_sound"),
        QStringLiteral("SELECT lesson, COUNT(DISTINCT day) FROM ("
                       "SELECT lesson, substr(ended_at, 1, 10) AS day FROM runs WHERE kind <> 'pairs' "
                       "UNION SELECT played_sound, substr(answered_at, 1, 10) FROM listening_answers "
                       "UNION SELECT target_sound, substr(taken_at, 1, 10) FROM takes) GROUP BY lesson"),
        // From schema 4: when each lesson is next due.
        QStringLiteral("SELECT lesson, MIN(due_at) FROM schedule GROUP BY lesson"),
        // From schema 3: the vowel heard in a take that missed.
        QStringLiteral("SELECT target_sound, nearest_sound, COUNT(*) FROM takes "
                       "WHERE verdict = 'wrong' AND nearest_sound > 0 GROUP BY target_sound, nearest_sound"),
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
    const auto lesson = [&lessons](const QVariant& id) -> LessonProgress& {
        LessonProgress& l = lessons[id.toInt()];
        l.lesson = id.toInt();
        return l;
    };
    exec(q, statements[0]);
    while (q.next()) {
        LessonProgress& l = lesson(q.value(0));
        l.runs = q.value(1).toInt();
        l.abandoned = q.value(2).toInt();
    }
    exec(q, statements[1]);
    while (q.next())
        lessons[q.value(0).toInt()].testScores.push_back(q.value(1).toInt());
    exec(q, statements[2]);
    std::map<std::pair<int, int>, SkillConfusion> all;
    while (q.next()) {
        const Confusion c{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()};
        out.confusions.push_back(c);
        SkillConfusion& s = all[{c.expectedSound, c.chosenSound}];
        s.choosing = c.count;
    }
    exec(q, statements[3]);
    if (q.next())
        out.pairsGames = q.value(0).toInt();
    if (version_ >= 2) {
        exec(q, statements[4]);
        while (q.next()) {
            LessonProgress& l = lesson(q.value(0));
            l.hearingRight = q.value(1).toInt();
            l.hearingTotal = q.value(2).toInt();
        }
        exec(q, statements[5]);
        while (q.next()) {
            LessonProgress& l = lesson(q.value(0));
            l.sayingRight = q.value(1).toInt();
            l.sayingTotal = q.value(2).toInt();
        }
        exec(q, statements[6]);
        while (q.next())
            all[{q.value(0).toInt(), q.value(1).toInt()}].hearing = q.value(2).toInt();
        exec(q, statements[7]);
        while (q.next())
            lessons[q.value(0).toInt()].daysPractised = q.value(1).toInt();
    }
    if (version_ >= 3) {
        exec(q, statements[9]);
        while (q.next())
            all[{q.value(0).toInt(), q.value(1).toInt()}].saying = q.value(2).toInt();
    }
    if (version_ >= 4) {
        exec(q, statements[8]);
        while (q.next()) {
            // Only lessons already listed: an item is due because of an answer.
            const auto it = lessons.find(q.value(0).toInt());
            if (it != lessons.end())
                it->second.nextDue = q.value(1).toString();
        }
    }
    for (auto& [number, progress] : lessons) {
        if (number >= 1)
            out.lessons.push_back(std::move(progress));
    }
    for (auto& [pair, c] : all) {
        c.expectedSound = pair.first;
        c.chosenSound = pair.second;
        out.allConfusions.push_back(c);
    }
    std::stable_sort(out.allConfusions.begin(), out.allConfusions.end(),
                     [](const SkillConfusion& a, const SkillConfusion& b) { return a.total() > b.total(); });
    if (out.allConfusions.size() > size_t(confusionCount))
        out.allConfusions.resize(size_t(confusionCount));
    return out;
}

std::vector<ScheduledItem> HistoryReader::schedule() const
{
    std::vector<ScheduledItem> out;
    // The schedule came with schema 4; an older file is scheduled once the
    // program has brought it up to date.
    if (empty_ || !problem_.isEmpty() || version_ < 4)
        return out;
    QSqlQuery q(database());
    q.setForwardOnly(true);
    exec(q, QStringLiteral("SELECT item, stability, difficulty, reviews, lapses, last_review, due_at FROM schedule"));
    while (q.next()) {
        const std::optional<PracticeItem> item = PracticeItem::fromKey(q.value(0).toString());
        if (!item)
            continue;
        ScheduledItem s;
        s.item = *item;
        s.state = {q.value(1).toDouble(), q.value(2).toDouble(), q.value(3).toInt(), q.value(4).toInt()};
        s.lastReview = QDateTime::fromString(q.value(5).toString(), Qt::ISODateWithMs);
        s.due = QDateTime::fromString(q.value(6).toString(), Qt::ISODateWithMs);
        out.push_back(s);
    }
    return out;
}

} // namespace ejteto
