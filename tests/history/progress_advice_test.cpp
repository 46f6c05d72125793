// What the progress window says in words: counts with the suffix that fits
// the number as read, the trend of a lesson, and the lesson to practise.
#include "history/progress_advice.h"

#include <gtest/gtest.h>

using namespace ejteto;

TEST(ProgressAdviceTest, TimesTakeTheSuffixOfTheNumberAsRead)
{
    const std::pair<int, const char*> cases[] = {
        {1, "1-szer"},   {2, "2-szer"},   {3, "3-szor"},     {5, "5-ször"},       {6, "6-szor"},
        {7, "7-szer"},   {8, "8-szor"},   {10, "10-szer"},   {20, "20-szor"},     {25, "25-ször"},
        {30, "30-szor"}, {40, "40-szer"}, {100, "100-szor"}, {1000, "1000-szer"}, {2000000, "2000000-szor"},
    };
    for (const auto& [count, text] : cases)
        EXPECT_EQ(timesText(count), QString::fromUtf8(text)) << count;
}

TEST(ProgressAdviceTest, TheWeakestRecentLessonIsSuggestedThenAnUntestedOne)
{
    EXPECT_EQ(suggestLesson({}).lesson, 0);
    EXPECT_TRUE(suggestLesson({}).text.contains(QStringLiteral("Még nincs befejezett teszt")));

    LessonProgress improved{2, 5, 0, {1, 1, 9, 9, 9}}; // recent mean 9
    LessonProgress slipping{7, 4, 1, {10, 10, 4, 5}};  // recent mean 6,3
    LessonProgress practised{9, 3, 0, {}};
    const Suggestion s = suggestLesson({improved, slipping, practised});
    EXPECT_EQ(s.lesson, 7);
    EXPECT_EQ(s.text, QStringLiteral(
                          "Ezt a leckét érdemes most gyakorolni: 7. lecke (az utolsó tesztek átlaga 6,3 a 10-ből)."));
    EXPECT_EQ(trendText(improved), QStringLiteral("javul"));
    EXPECT_EQ(trendText(slipping), QStringLiteral("romlik"));
    EXPECT_EQ(trendText(LessonProgress{1, 2, 0, {6, 6}}), QStringLiteral("egyenletes"));
    EXPECT_TRUE(trendText(practised).isEmpty());

    // Everything tested goes well: the first lesson not tested yet.
    LessonProgress first{1, 1, 0, {10}};
    EXPECT_EQ(suggestLesson({first, improved}).lesson, 3);
}
