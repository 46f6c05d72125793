// The window opens whole: too large for the screen at the chosen scale, it
// opens at the largest step that fits, and the learner is told how to pick
// another.
#include "app/screen_fit.h"

#include <gtest/gtest.h>

using namespace ejteto;

TEST(ScreenFit, AWindowTooLargeAtItsScaleOpensAtTheLargestStepThatFits)
{
    const QSize window(761, 541);
    // 1522 x 1082 at scale 2 is more than a 1920 x 1080 screen (a panel
    // takes 40 of it): 1040 / 581 = 1.79, down to 1.75.
    EXPECT_EQ(fittingScale(window, {1920, 1040}, 2.0), 1.75);
    EXPECT_FALSE(fittingScale(window, {1920, 1040}, 1.0)) << "it fits: nothing changes";
    EXPECT_FALSE(fittingScale(window, {3840, 2160}, 2.0));
    EXPECT_EQ(fittingScale(window, {200, 150}, 1.0), 0.5) << "never below half size";
    EXPECT_TRUE(fittedScaleMessage(2, 1.75).contains(QStringLiteral("QT_SCALE_FACTOR=1.75 ejteto")));
}
