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
        EXPECT_EQ(std::pair(*levels.begin(), *levels.rbegin()), std::pair(kSampleMin, kSampleMax));
    }
    // Whole waves; the zeros lie between levels 7 and 8 at 4 bits, and 8 is 33.
    const Wave wave {0, -436, 500};
    const Wave fourBits = onChipLevels(wave, 4);
    EXPECT_EQ(std::vector(fourBits.begin(), fourBits.begin() + 3), (std::vector {33, -433, 500}));
    EXPECT_EQ(std::set(fourBits.begin() + 3, fourBits.end()), std::set {33});
    EXPECT_EQ(onChipLevels(wave, 0), wave);
}

} // namespace
