#include "schedule_keeper.h"

#include "history_time.h"

#include <QHash>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace ejteto {

namespace {

struct Kept {
    MemoryState state;
    QDateTime lastReview;
    QDateTime due;
};

double daysBetween(const QDateTime& from, const QDateTime& to)
{
    if (!from.isValid())
        return 0;
    return double(from.msecsTo(to)) / 86'400'000.0;
}

Kept reviewed(const Kept& before, Rating rating, const QDateTime& at)
{
    const ReviewOutcome out = MemoryModel::review(before.state, rating, daysBetween(before.lastReview, at));
    Kept k;
    k.state = out.state;
    // A clock that went back does not move the last review back with it.
    k.lastReview = before.lastReview.isValid() ? std::max(before.lastReview, at) : at;
    k.due = k.lastReview.addMSecs(qint64(out.intervalDays * 86'400'000.0));
    return k;
}

QSqlError write(QSqlQuery& q, const PracticeItem& item, const Kept& k)
{
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO schedule (item, skill, lesson, stability, difficulty, reviews, "
                             "lapses, last_review, due_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(item.key());
    q.addBindValue(skillName(item.skill));
    q.addBindValue(item.lesson);
    q.addBindValue(k.state.stability);
    q.addBindValue(k.state.difficulty);
    q.addBindValue(k.state.reviews);
    q.addBindValue(k.state.lapses);
    q.addBindValue(historyTime(k.lastReview));
    q.addBindValue(historyTime(k.due));
    return q.exec() ? QSqlError() : q.lastError();
}

QDateTime parsed(const QString& text)
{
    QDateTime t = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!t.isValid())
        t = QDateTime::fromString(text, Qt::ISODate);
    return t.toUTC();
}

// One kept answer (or run) with the reviews it gives, for the replay.
struct Event {
    QString at; // sorts as text: UTC ISO 8601
    std::vector<ItemReview> reviews;
};

} // namespace

std::vector<ItemReview> runReviews(const CourseContrasts& contrasts, const RunReport& run)
{
    std::vector<ItemReview> out;
    for (const AskedQuestion& a : run.questions) {
        if (a.chosenPlace < 0 || a.correctPlace < 0 || a.chosenPlace >= kOptionCount || a.correctPlace >= kOptionCount)
            continue;
        const int expected = a.sounds[size_t(a.correctPlace)];
        const int chosen = a.sounds[size_t(a.chosenPlace)];
        mergeReviews(out, answerReviews(contrasts, Skill::Choosing, expected, chosen, a.sounds));
    }
    return out;
}

std::vector<ItemReview> takeReviews(int targetSound, const QString& word, const QString& verdict)
{
    // Files before version 3 kept the sentence shown instead of the verdict.
    const bool right = verdict == QLatin1String("right") || verdictFoundTarget(verdict);
    const bool wrong = verdict == QLatin1String("wrong") || verdict.startsWith(QLatin1String("Ezt hallottam:"));
    if (!right && !wrong)
        return {};
    return {{{Skill::Saying, targetSound, 0, word}, right ? Rating::Good : Rating::Again}};
}

QSqlError applyReviews(QSqlDatabase& db, const std::vector<ItemReview>& reviews, const QDateTime& at)
{
    QSqlQuery q(db);
    const QDateTime when = at.toUTC();
    for (const ItemReview& r : reviews) {
        if (r.item.lesson < 1 || r.item.lesson > kSoundCount)
            continue;
        Kept before;
        q.prepare(QStringLiteral("SELECT stability, difficulty, reviews, lapses, last_review FROM schedule "
                                 "WHERE item = ?"));
        q.addBindValue(r.item.key());
        if (!q.exec())
            return q.lastError();
        if (q.next()) {
            before.state = {q.value(0).toDouble(), q.value(1).toDouble(), q.value(2).toInt(), q.value(3).toInt()};
            before.lastReview = parsed(q.value(4).toString());
        }
        q.finish();
        if (const QSqlError e = write(q, r.item, reviewed(before, r.rating, when)); e.type() != QSqlError::NoError)
            return e;
    }
    return {};
}

bool scheduleBuiltWith(QSqlDatabase& db, const CourseContrasts& contrasts)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("SELECT contrasts FROM schedule_source WHERE id = 1")) && q.next() &&
           q.value(0).toString() == contrasts.signature();
}

QSqlError markScheduleStale(QSqlDatabase& db)
{
    QSqlQuery q(db);
    return q.exec(QStringLiteral("DELETE FROM schedule_source")) ? QSqlError() : q.lastError();
}

QSqlError rebuildSchedule(QSqlDatabase& db, const CourseContrasts& contrasts)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    std::vector<Event> events;
    // Practice and test answers, a run's questions judged together.
    if (!q.exec(QStringLiteral("SELECT r.id, r.ended_at, a.expected_sound, a.chosen_sound, a.sound1, a.sound2, "
                               "a.sound3, a.sound4 FROM runs r JOIN answers a ON a.run_id = r.id "
                               "WHERE r.kind IN ('practice', 'test') AND a.chosen_place >= 0 ORDER BY r.id")))
        return q.lastError();
    qint64 runId = -1;
    while (q.next()) {
        const qint64 id = q.value(0).toLongLong();
        if (id != runId) {
            events.push_back({q.value(1).toString(), {}});
            runId = id;
        }
        const std::array<int, 4> offered = {q.value(4).toInt(), q.value(5).toInt(), q.value(6).toInt(),
                                            q.value(7).toInt()};
        mergeReviews(events.back().reviews,
                     answerReviews(contrasts, Skill::Choosing, q.value(2).toInt(), q.value(3).toInt(), offered));
    }
    // Answers kept before version 3 read no offered vowels and no time.
    if (!q.exec(QStringLiteral("SELECT answered_at, played_sound, chosen_sound, offered1, offered2, offered3, "
                               "response_ms FROM listening_answers")))
        return q.lastError();
    while (q.next()) {
        const std::array<int, 3> offered = {q.value(3).toInt(), q.value(4).toInt(), q.value(5).toInt()};
        events.push_back(
            {q.value(0).toString(), answerReviews(contrasts, Skill::Hearing, q.value(1).toInt(), q.value(2).toInt(),
                                                  offered, ratingOfRightAnswer(q.value(6).toLongLong()))});
    }
    if (!q.exec(QStringLiteral("SELECT taken_at, target_sound, verdict, word FROM takes")))
        return q.lastError();
    while (q.next())
        events.push_back(
            {q.value(0).toString(), takeReviews(q.value(1).toInt(), q.value(3).toString(), q.value(2).toString())});
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) { return a.at < b.at; });

    // Replayed in memory, written once.
    QHash<QString, std::pair<PracticeItem, Kept>> kept;
    for (const Event& e : events) {
        const QDateTime at = parsed(e.at);
        if (!at.isValid())
            continue;
        for (const ItemReview& r : e.reviews) {
            if (r.item.lesson < 1 || r.item.lesson > kSoundCount)
                continue;
            auto& slot = kept[r.item.key()];
            slot = {r.item, reviewed(slot.second, r.rating, at)};
        }
    }
    if (!q.exec(QStringLiteral("DELETE FROM schedule")))
        return q.lastError();
    for (auto it = kept.cbegin(); it != kept.cend(); ++it) {
        if (const QSqlError e = write(q, it->first, it->second); e.type() != QSqlError::NoError)
            return e;
    }
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO schedule_source (id, contrasts) VALUES (1, ?)"));
    // A course without confusables signs as the empty text: the column
    // takes no null.
    const QString& signature = contrasts.signature();
    q.addBindValue(signature.isNull() ? QString(QLatin1String("")) : signature);
    return q.exec() ? QSqlError() : q.lastError();
}

} // namespace ejteto
