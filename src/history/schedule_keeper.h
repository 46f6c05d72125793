#pragma once
// Keeps the `schedule` table: every item's memory and when it is next due,
// moved on by each answer inside the transaction that writes the answer, and
// rebuilt from every answer the history holds when the file comes from an
// older program or the course's confusable vowels changed.
#include "content/practice_item.h"
#include "content/run_report.h"
#include "history/history_store.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlError>
#include <vector>

namespace ejteto {

// The reviews one practice or test run gives: its questions judged together,
// one review per contrast, the worst rating it had.
std::vector<ItemReview> runReviews(const CourseContrasts& contrasts, const RunReport& run);

// The review a judged take gives its word (or vowel): Good when the vowel
// heard was the target, Again when it was another; none for a take that was
// not judged (no voice, too short, ...).
std::vector<ItemReview> takeReviews(int targetSound, const QString& word, const QString& verdict);
inline std::vector<ItemReview> takeReviews(const TakeReport& t)
{
    return takeReviews(t.targetSound, t.word, t.verdict);
}

// Moves the items of `reviews` on, as reviewed at `at`. Runs inside the
// caller's transaction on `db`.
QSqlError applyReviews(QSqlDatabase& db, const std::vector<ItemReview>& reviews, const QDateTime& at);

// Whether the kept schedule was built with `contrasts`.
bool scheduleBuiltWith(QSqlDatabase& db, const CourseContrasts& contrasts);
// Marks the kept schedule as out of date (answers were kept without a course).
QSqlError markScheduleStale(QSqlDatabase& db);
// Empties the schedule and replays every kept answer, oldest first. Runs
// inside the caller's transaction.
QSqlError rebuildSchedule(QSqlDatabase& db, const CourseContrasts& contrasts);

} // namespace ejteto
