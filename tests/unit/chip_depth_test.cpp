#include "wave/chip_depth.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <set>

using namespace ondulix;

namespace {

// Every sample value through each depth of the menu: a full-scale ramp lands on exactly the
// chip's 2^N levels, the ends stay where they are, and a wave on the levels does not change.
TEST(ChipDepth, AFullScaleRampLandsOnTheChipsLevelsAndRoundingTwiceIsRoundingOnce)
{
    const std::map<int, std::size_t> levelCounts {{0, 1001}, {4, 16}, {5, 32}, {6, 64}, {8, 256}};
    for (const ChipDepth& depth : kChipDepths) {
        // Half a step between levels, and one more for the rounding of the level's own value.
        const int nearest = depth.bits == 0 ? 0 : 500 / ((1 << depth.bits) - 1) + 1;
        std::set<int> levels;
        for (int sample = kSampleMin; sample <= kSampleMax; ++sample) {
            const int rounded = onChipLevel(sample, depth.bits);
            levels.insert(rounded);
            EXPECT_EQ(onChipLevel(rounded, depth.bits), rounded) << depth.name << ", " << sample;
            EXPECT_LE(std::abs(rounded - sample), nearest) << sample;
        }
        EXPECT_EQ(levels.size(), levelCounts.at(depth.bits)) << depth.name;
        EXPECT_EQ(*levels.begin(), kSampleMin);
        EXPECT_EQ(*levels.rbegin(), kSampleMax);
    }
    Wave ramp {};
    for (int i = 0; i < kSampleCount; ++i)
        ramp[i] = -500 + 1000 * i / 31;
    const Wave fourBits = onChipLevels(ramp, 4);
    EXPECT_EQ(onChipLevels(fourBits, 4), fourBits);
    EXPECT_EQ(fourBits[1], -500); // -468 is level 0.48
    EXPECT_EQ(fourBits[2], -433); // -436 is level 0.96, and level 1 is -433.3
    EXPECT_EQ(onChipLevels(ramp, 0), ramp);
}

} // namespace
