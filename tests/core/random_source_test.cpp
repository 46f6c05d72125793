// The program's single pseudo-random source: the recurrence for known seeds,
// the range of every draw and the clock seeding.
#include "app/random_source.h"

#include <QThread>
#include <array>
#include <gtest/gtest.h>

namespace {

using ejteto::RandomSource;

// Values worked out by hand from state := state * 134775813 + 1 (mod 2^32)
// and result := (state * n) div 2^32.
TEST(RandomSource, FollowsTheRecurrenceForKnownSeeds)
{
    RandomSource r;
    r.seed(12345);
    const std::array<int32_t, 6> expected{385350, 289354, 79735, 553610, 633675, 341599};
    for (const int32_t want : expected)
        EXPECT_EQ(r.next(1000000), want);
    EXPECT_EQ(r.state(), 1467157059u);

    r.seed(0);
    EXPECT_EQ(r.next(16), 0);
    EXPECT_EQ(r.next(16), 0);
    EXPECT_EQ(r.next(16), 13);
    EXPECT_EQ(r.state(), 3698175007u);

    // The full unsigned state takes part in the product.
    r.seed(0xFFFFFFFFu);
    for (const int32_t want : {2080095741, 433171958, 1115652048, 283984661})
        EXPECT_EQ(r.next(2147483647), want);
}

TEST(RandomSource, TheRangeOfADrawDoesNotChangeTheSequenceOfStates)
{
    RandomSource a, b;
    a.seed(777);
    b.seed(777);
    for (int i = 0; i < 50; ++i) {
        a.next(i % 7 + 1);
        b.next(1000);
    }
    EXPECT_EQ(a.state(), b.state());
}

TEST(RandomSource, RandomOfZeroIsZero)
{
    RandomSource r;
    for (const uint32_t seed : {0u, 1u, 0x80000000u, 0xFFFFFFFFu, 0xDEADBEEFu}) {
        r.seed(seed);
        EXPECT_EQ(r.next(0), 0) << "seed " << seed;
    }
}

TEST(RandomSource, EveryDrawLiesInItsRangeAndEveryValueComesUp)
{
    RandomSource r;
    r.seed(20261208);
    for (const int32_t n : {1, 2, 3, 12, 16, 40}) {
        std::vector<int> counts(static_cast<size_t>(n), 0);
        const int draws = 4000 * n;
        for (int i = 0; i < draws; ++i) {
            const int32_t v = r.next(n);
            ASSERT_GE(v, 0);
            ASSERT_LT(v, n);
            ++counts[static_cast<size_t>(v)];
        }
        // Uniform: every value near its share of 4000 draws.
        for (int v = 0; v < n; ++v)
            EXPECT_NEAR(counts[static_cast<size_t>(v)], 4000, 400) << "n=" << n << " value " << v;
    }
}

TEST(RandomSource, ClockSeedsDifferFromRunToRun)
{
    RandomSource a, b;
    a.seedFromClock();
    QThread::usleep(50);
    b.seedFromClock();
    EXPECT_NE(a.state(), b.state());
}

TEST(RandomSource, RandomDrawsFromTheOneProgramWideSource)
{
    ejteto::programRandom().seed(12345);
    EXPECT_EQ(ejteto::Random(1000000), 385350);
    EXPECT_EQ(ejteto::Random(1000000), 289354);
    EXPECT_EQ(ejteto::programRandom().next(1000000), 79735);
    EXPECT_EQ(&ejteto::programRandom(), &ejteto::programRandom());
}

} // namespace
