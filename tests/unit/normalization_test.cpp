#include "array_sample_set.h"
#include "wave/normalization.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

using Samples = std::array<int, 32>;

Samples startingWith(std::initializer_list<int> leading)
{
    Samples values {};
    std::copy(leading.begin(), leading.end(), values.begin());
    return values;
}

TEST(Normalization, ScalesTheLargestMagnitudeToFullScale)
{
    const struct
    {
        const char* name;
        Samples before, after;
    } cases[] = {
        {"half scale", startingWith({250, -125, 0}), startingWith({500, -250, 0})},
        {"peak 3", startingWith({3, 1, -2}), startingWith({500, 167, -333})},
        // 2.5 goes down to the even 2, 7.5 up to the even 8.
        {"peak 200", startingWith({200, 1, 3, -1, -3}), startingWith({500, 2, 8, -2, -8})},
        {"negative peak", startingWith({100, -400, 399}), startingWith({125, -500, 499})},
        {"peak last",
            startingWith({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                0, 0, 0, 0, 0, 1, -1}),
            startingWith({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                0, 0, 0, 0, 0, 500, -500})},
        // 500 / 120 first: 15 x 4.166666666666667 is 62.500000000000007, just above the half.
        {"division first", startingWith({120, 15, -15}), startingWith({500, 63, -63})},
    };
    for (const auto& c : cases) {
        ArraySampleSet samples(c.before);
        normalize(samples);
        EXPECT_EQ(samples.values, c.after) << c.name;
    }
}

TEST(Normalization, WritesInIndexOrderOnlyWhatChanges)
{
    ArraySampleSet samples(startingWith({0, 50, 0, -100, 7}));
    samples.values[31] = 20;
    normalize(samples);
    EXPECT_EQ(samples.changes, (std::vector<int> {1, 3, 4, 31}));
    EXPECT_EQ(samples.values[4], 35);
}

TEST(Normalization, ASetAlreadyAtFullScaleStaysValueForValue)
{
    Samples values;
    for (int i = 0; i < 32; ++i)
        values[i] = (i * 97) % 1001 - 500;
    values[9] = -500;
    ArraySampleSet samples(values);
    normalize(samples);
    EXPECT_EQ(samples.values, values);
    EXPECT_TRUE(samples.changes.empty());
}

TEST(Normalization, AllZeroChangesNothing)
{
    ArraySampleSet samples;
    normalize(samples);
    EXPECT_EQ(samples.values, Samples {});
    EXPECT_TRUE(samples.changes.empty());
}

TEST(Normalization, EveryPeakGivesFullScaleAndStaysInRange)
{
    for (int peak = 1; peak <= 500; ++peak) {
        ArraySampleSet samples;
        for (int i = 0; i < 32; ++i)
            samples.values[i] = (i % 2 ? -1 : 1) * (peak * i / 31);
        normalize(samples);
        EXPECT_EQ(std::abs(samples.values[31]), 500) << peak;
        for (int v : samples.values)
            ASSERT_LE(std::abs(v), 500) << peak;
    }
}

} // namespace
