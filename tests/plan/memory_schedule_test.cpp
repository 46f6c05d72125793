// The memory model and the day's plan on a paper clock: the model against
// the published reference states, right answers spaced out and wrong ones
// brought back, a learner back after a year, a clock that went back, and
// new items brought in in the course's order.
#include "content/memory_model.h"
#include "content/practice_item.h"
#include "content/today_plan.h"

#include <gtest/gtest.h>

using namespace ejteto;

namespace {

// The bundled course's confusables: Confusable2 (most mixed up) first.
CourseContrasts bundledContrasts()
{
    return CourseContrasts::fromPairs({{{0, 0},
                                        {2, 3},
                                        {1, 3},
                                        {4, 7},
                                        {3, 10},
                                        {6, 15},
                                        {5, 10},
                                        {3, 8},
                                        {7, 12},
                                        {10, 4},
                                        {11, 4},
                                        {14, 10},
                                        {8, 14},
                                        {14, 3},
                                        {11, 15},
                                        {14, 16},
                                        {15, 9}}});
}

const QDateTime kMonday(QDate(2026, 3, 2), QTime(8, 0), Qt::UTC);

// An item as the history keeps it after one review at `at`.
ScheduledItem reviewedOnce(const PracticeItem& item, Rating rating, const QDateTime& at)
{
    const ReviewOutcome out = MemoryModel::review({}, rating, 0);
    return {item, out.state, at, at.addMSecs(qint64(out.intervalDays * 86'400'000.0))};
}

} // namespace

TEST(MemoryModelTest, FollowsThePublishedReferenceStates)
{
    // Again, then Good five times, 0, 0, 1, 3, 8 and 21 days apart: the
    // states the reference implementation of FSRS-4.5 gives.
    const Rating ratings[] = {Rating::Again, Rating::Good, Rating::Good, Rating::Good, Rating::Good, Rating::Good};
    const double days[] = {0, 0, 1, 3, 8, 21};
    const double stability[] = {0.4872, 0.4872, 2.46614852, 7.71265273, 20.14315368, 49.29635106};
    const double difficulty[] = {7.6214, 7.5451524, 7.47126848, 7.39967496, 7.33030084, 7.26307731};
    MemoryState s;
    for (size_t i = 0; i < std::size(ratings); ++i) {
        s = MemoryModel::review(s, ratings[i], days[i]).state;
        EXPECT_NEAR(s.stability, stability[i], 1e-5) << "review " << i;
        EXPECT_NEAR(s.difficulty, difficulty[i], 1e-5) << "review " << i;
    }
    EXPECT_EQ(s.reviews, 6);
    EXPECT_EQ(s.lapses, 1);
}

TEST(TodayPlanTest, AWrongAnswerComesBackSoonAndARightOneLater)
{
    const CourseContrasts c = bundledContrasts();
    const PracticeItem right{Skill::Hearing, 3, 4, {}};
    const PracticeItem wrong{Skill::Hearing, 1, 2, {}};
    const std::vector<ScheduledItem> kept = {reviewedOnce(right, Rating::Good, kMonday),
                                             reviewedOnce(wrong, Rating::Again, kMonday)};
    EXPECT_LT(kept[1].due, kept[0].due);
    EXPECT_LE(kept[1].due, kMonday.addSecs(15 * 60)) << "back within the sitting";
    EXPECT_GE(kept[0].due, kMonday.addDays(1));

    const TodayPlan soon = planToday(kept, c, kMonday.addSecs(20 * 60));
    ASSERT_FALSE(soon.hearing.empty());
    EXPECT_EQ(soon.hearing[0].item, wrong) << "the missed contrast first";
    for (const PlannedItem& p : soon.hearing)
        EXPECT_NE(p.item, right) << "the known contrast waits";
    EXPECT_EQ(soon.nextDue, kept[0].due);

    // Four days on both are due, the weaker memory first.
    const TodayPlan later = planToday(kept, c, kMonday.addDays(4));
    ASSERT_GE(later.hearing.size(), 2u);
    EXPECT_EQ(later.hearing[0].item, wrong);
    EXPECT_EQ(later.hearing[1].item, right);
}

TEST(TodayPlanTest, NewItemsComeInAFewAtATimeInTheCourseOrder)
{
    const TodayPlan first = planToday({}, bundledContrasts(), kMonday);
    ASSERT_EQ(first.hearing.size(), 2u);
    EXPECT_TRUE(first.hearing[0].fresh);
    EXPECT_EQ(first.hearing[0].item, (PracticeItem{Skill::Hearing, 1, 2, {}})) << "sheep/ship first";
    EXPECT_EQ(first.hearing[1].item, (PracticeItem{Skill::Hearing, 3, 4, {}})) << "ship/sheep is the same pair";
    EXPECT_EQ(first.choosing.size(), 2u);
    ASSERT_EQ(first.saying.size(), 2u);
    EXPECT_EQ(first.saying[0].item, (PracticeItem{Skill::Saying, 1, 0, {}}));

    // Once those are met, the next ones in the order.
    std::vector<ScheduledItem> kept;
    for (const auto* list : {&first.hearing, &first.choosing, &first.saying})
        for (const PlannedItem& p : *list)
            kept.push_back(reviewedOnce(p.item, Rating::Good, kMonday));
    const TodayPlan second = planToday(kept, bundledContrasts(), kMonday.addSecs(3600));
    ASSERT_EQ(second.hearing.size(), 2u);
    EXPECT_EQ(second.hearing[0].item, (PracticeItem{Skill::Hearing, 5, 6, {}})) << "pool/pull next";
}

TEST(TodayPlanTest, AYearAwayOrAClockThatWentBackStillGivesABoundedSession)
{
    const CourseContrasts c = bundledContrasts();
    std::vector<ScheduledItem> kept;
    for (const PracticeItem& item : introductionOrder(c))
        kept.push_back(reviewedOnce(item, item.lesson % 3 == 0 ? Rating::Again : Rating::Good, kMonday));
    for (int lesson = 1; lesson <= kSoundCount; ++lesson)
        kept.push_back(reviewedOnce({Skill::Saying, lesson, 0, {}}, Rating::Good, kMonday));
    const PlanLimits limits;

    const TodayPlan year = planToday(kept, c, kMonday.addDays(365));
    EXPECT_EQ(int(year.hearing.size()), limits.hearing) << "all due, a session's worth taken";
    EXPECT_EQ(int(year.choosing.size()), limits.choosing);
    EXPECT_EQ(int(year.saying.size()), limits.saying);
    for (size_t i = 1; i < year.hearing.size(); ++i)
        EXPECT_LE(year.hearing[i - 1].retrievability, year.hearing[i].retrievability) << "most forgotten first";

    // The clock now reads a week before every review: nothing is due, yet
    // the session is neither empty nor endless.
    const TodayPlan back = planToday(kept, c, kMonday.addDays(-7));
    EXPECT_TRUE(back.broughtForward);
    EXPECT_FALSE(back.empty());
    EXPECT_LE(back.size(), limits.hearing + limits.choosing + limits.saying);
    for (const PlannedItem& p : back.hearing) {
        EXPECT_GE(p.retrievability, 0.0);
        EXPECT_LE(p.retrievability, 1.0);
    }
}

TEST(PracticeItemTest, AnswersBecomeReviewsOfTheLessonsContrasts)
{
    const CourseContrasts c = bundledContrasts();
    // /æ/ heard as /e/: one item for the pair, whichever was played.
    auto r = answerReviews(c, Skill::Hearing, 4, 3, {});
    ASSERT_EQ(r.size(), 1u);
    EXPECT_EQ(r[0].item.key(), QStringLiteral("hear/3/4"));
    EXPECT_EQ(answerReviews(c, Skill::Hearing, 3, 4, {})[0].item, r[0].item);
    EXPECT_EQ(r[0].rating, Rating::Again);
    // /eɪ/ heard as /ɑː/: no lesson names that pair, so the expected vowel's lesson.
    EXPECT_EQ(answerReviews(c, Skill::Hearing, 7, 9, {})[0].item.key(), QStringLiteral("hear/7/9"));
    // /e/ chosen for a word of /eɪ/: lesson 7 names /e/ first, lesson 3 names /eɪ/ second.
    EXPECT_EQ(answerReviews(c, Skill::Choosing, 7, 3, {})[0].item.key(), QStringLiteral("choose/7/3"));
    // /ɜː/ mixed with /ɔː/ where 14 is expected: 14 names 11 and 15, 13 names 14.
    EXPECT_EQ(answerReviews(c, Skill::Choosing, 14, 13, {})[0].item.key(), QStringLiteral("choose/13/14"));

    // A right answer beside the vowels offered: each confusable pair, once.
    const int offered[] = {3, 4, 4, 12};
    r = answerReviews(c, Skill::Choosing, 3, 3, offered);
    ASSERT_EQ(r.size(), 1u) << "12 is no confusable of 3";
    EXPECT_EQ(r[0].item.key(), QStringLiteral("choose/3/4"));
    EXPECT_EQ(r[0].rating, Rating::Good);
    // A slow right answer is rated Hard.
    EXPECT_EQ(answerReviews(c, Skill::Hearing, 1, 1, {}, ratingOfRightAnswer(9000)).size(), 2u);
    EXPECT_EQ(ratingOfRightAnswer(9000), Rating::Hard);

    for (const QString& key : {QStringLiteral("hear/3/4"), QStringLiteral("say/5/food"), QStringLiteral("say/5/")})
        EXPECT_EQ(PracticeItem::fromKey(key)->key(), key);
    for (const QString& bad :
         {QStringLiteral("hear/3/3"), QStringLiteral("hear/0/4"), QStringLiteral("x/1/2"), QStringLiteral("hear/3")})
        EXPECT_FALSE(PracticeItem::fromKey(bad)) << bad.toStdString();
}
