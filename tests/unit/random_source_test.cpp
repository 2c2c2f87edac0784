#include "wave/random_source.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

using namespace ondulix;

namespace {

RandomSource::Clock standingClock(std::uint64_t reading)
{
    return [reading] { return reading; };
}

TEST(RandomSource, DrawsLieInZeroUpToButExcludingOne)
{
    RandomSource random(standingClock(42));
    random.reseedFromClock();
    double sum = 0;
    float lowest = 1;
    float highest = 0;
    constexpr int kDraws = 200000;
    for (int n = 0; n < kDraws; ++n) {
        const float r = random.draw();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
        sum += r;
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
    EXPECT_LT(lowest, 0.001f);
    EXPECT_GT(highest, 0.999f);
}

TEST(RandomSource, ReseedsFromOneClockReadingStillGiveNewDraws)
{
    RandomSource random(standingClock(7));
    std::set<float> firstDraws;
    for (int n = 0; n < 64; ++n) {
        random.reseedFromClock();
        firstDraws.insert(random.draw());
    }
    EXPECT_EQ(firstDraws.size(), 64u);
}

TEST(RandomSource, TheClockReadingEntersTheState)
{
    RandomSource early(standingClock(1000));
    RandomSource late(standingClock(1001));
    RandomSource alsoEarly(standingClock(1000));
    early.reseedFromClock();
    late.reseedFromClock();
    alsoEarly.reseedFromClock();
    const float r = early.draw();
    EXPECT_NE(r, late.draw());
    EXPECT_EQ(r, alsoEarly.draw());
}

TEST(RandomSource, TheSystemClockMoves)
{
    const std::uint64_t first = RandomSource::timeOfDay();
    std::uint64_t later = first;
    for (int n = 0; n < 1000000 && later == first; ++n)
        later = RandomSource::timeOfDay();
    EXPECT_NE(later, first);
}

} // namespace
