#pragma once
// What is worth practising today: the items that are due, most forgotten
// first, and a few never met, in the course's order, within a session of
// about ten minutes. Plain logic: the schedule comes from the history and
// "now" from the caller's clock, so a test plans on a paper clock.
#include "content/memory_model.h"
#include "content/practice_item.h"

#include <QDateTime>
#include <vector>

namespace ejteto {

// One kept item: its memory and when it was last reviewed and is due.
struct ScheduledItem {
    PracticeItem item;
    MemoryState state;
    QDateTime lastReview; // UTC
    QDateTime due;        // UTC
};

struct PlannedItem {
    PracticeItem item;
    MemoryState state;         // nothing seen for a new item
    QDateTime lastReview;      // invalid for a new item
    double retrievability = 0; // the chance it is still known now; 0 for a new item
    bool fresh = false;        // never met before
};

struct TodayPlan {
    std::vector<PlannedItem> hearing;  // contrasts: a few trials each
    std::vector<PlannedItem> choosing; // contrasts: one question each
    std::vector<PlannedItem> saying;   // words or vowels to say
    // When the next item after these falls due; invalid when none is kept.
    QDateTime nextDue;
    // Nothing was due: the items that fall due soonest were brought forward.
    bool broughtForward = false;

    bool empty() const { return hearing.empty() && choosing.empty() && saying.empty(); }
    int size() const { return int(hearing.size() + choosing.size() + saying.size()); }
};

struct PlanLimits {
    // A session of about ten minutes: a hearing contrast takes four trials
    // of about six seconds, a question about eight, a word to say about
    // twenty with its verdict.
    int hearing = 6;
    int choosing = 10;
    int saying = 5;
    int newPerSkill = 2; // never-met items brought in per session
};

TodayPlan planToday(const std::vector<ScheduledItem>& schedule, const CourseContrasts& contrasts, const QDateTime& now,
                    const PlanLimits& limits = {});

} // namespace ejteto
