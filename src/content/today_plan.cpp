#include "content/today_plan.h"

#include <QSet>
#include <algorithm>

namespace ejteto {

namespace {

std::vector<PlannedItem>& listOf(TodayPlan& plan, Skill skill)
{
    switch (skill) {
    case Skill::Hearing:
        return plan.hearing;
    case Skill::Saying:
        return plan.saying;
    case Skill::Choosing:
        break;
    }
    return plan.choosing;
}

int limitOf(const PlanLimits& limits, Skill skill)
{
    switch (skill) {
    case Skill::Hearing:
        return limits.hearing;
    case Skill::Saying:
        return limits.saying;
    case Skill::Choosing:
        break;
    }
    return limits.choosing;
}

double daysBetween(const QDateTime& from, const QDateTime& to)
{
    if (!from.isValid() || !to.isValid())
        return 0;
    // A clock that went back makes no time pass.
    return std::max<double>(0, double(from.msecsTo(to)) / 86'400'000.0);
}

PlannedItem planned(const ScheduledItem& s, const QDateTime& now)
{
    return {s.item, s.state, s.lastReview,
            MemoryModel::retrievability(daysBetween(s.lastReview, now), s.state.stability), false};
}

} // namespace

TodayPlan planToday(const std::vector<ScheduledItem>& schedule, const CourseContrasts& contrasts, const QDateTime& now,
                    const PlanLimits& limits)
{
    TodayPlan plan;
    std::vector<const ScheduledItem*> due;
    std::vector<const ScheduledItem*> later;
    QSet<QString> known;
    for (const ScheduledItem& s : schedule) {
        known.insert(s.item.key());
        if (s.due <= now)
            due.push_back(&s);
        else
            later.push_back(&s);
    }
    // The most forgotten first: after a year away every item is due, and
    // the session takes the weakest, not all of them.
    std::vector<PlannedItem> dueItems;
    dueItems.reserve(due.size());
    for (const ScheduledItem* s : due)
        dueItems.push_back(planned(*s, now));
    std::stable_sort(dueItems.begin(), dueItems.end(),
                     [](const PlannedItem& a, const PlannedItem& b) { return a.retrievability < b.retrievability; });
    for (const PlannedItem& p : dueItems) {
        auto& list = listOf(plan, p.item.skill);
        if (int(list.size()) < limitOf(limits, p.item.skill))
            list.push_back(p);
    }
    // A few never-met items, in the course's order, where there is room.
    std::vector<PracticeItem> order = introductionOrder(contrasts);
    // The lesson's vowel alone to say, in the order its contrasts come in.
    for (const PracticeItem& item : introductionOrder(contrasts)) {
        const PracticeItem vowel{Skill::Saying, item.lesson, 0, {}};
        if (std::find(order.begin(), order.end(), vowel) == order.end())
            order.push_back(vowel);
    }
    for (const Skill skill : {Skill::Hearing, Skill::Choosing, Skill::Saying}) {
        auto& list = listOf(plan, skill);
        int added = 0;
        for (const PracticeItem& item : order) {
            if (added >= limits.newPerSkill || int(list.size()) >= limitOf(limits, skill))
                break;
            if (item.skill != skill || known.contains(item.key()))
                continue;
            list.push_back({item, {}, {}, 0, true});
            ++added;
        }
    }
    // Everything met and nothing due: the items that fall due soonest come
    // forward, so a session is never empty.
    std::sort(later.begin(), later.end(),
              [](const ScheduledItem* a, const ScheduledItem* b) { return a->due < b->due; });
    if (plan.empty()) {
        plan.broughtForward = !later.empty();
        for (const ScheduledItem* s : later) {
            auto& list = listOf(plan, s->item.skill);
            if (int(list.size()) < std::max(1, limitOf(limits, s->item.skill) / 2))
                list.push_back(planned(*s, now));
        }
    }
    QSet<QString> inPlan;
    for (const auto* list : {&plan.hearing, &plan.choosing, &plan.saying}) {
        for (const PlannedItem& p : *list)
            inPlan.insert(p.item.key());
    }
    for (const ScheduledItem* s : later) {
        if (!inPlan.contains(s->item.key())) {
            plan.nextDue = s->due;
            break;
        }
    }
    return plan;
}

} // namespace ejteto
