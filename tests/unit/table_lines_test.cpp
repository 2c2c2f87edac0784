#include "pattern/line_morph.h"
#include "pattern/line_operations.h"
#include "pattern/line_waves.h"
#include "pattern/sweep_lines.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;

namespace {

// Harmonics 1, 2, ... at one level, each with its phase, rounded to whole samples.
Wave cosines(double level, std::initializer_list<double> phases)
{
    Wave wave {};
    for (int n = 0; n < kSampleCount; ++n) {
        int h = 0;
        double x = 0;
        for (const double phase : phases)
            x += level * std::cos(2 * std::numbers::pi * ++h * n / kSampleCount + phase);
        wave[n] = static_cast<int>(std::lround(x));
    }
    return wave;
}

int peak(const Wave& wave)
{
    return std::abs(*std::max_element(
        wave.begin(), wave.end(), [](int a, int b) { return std::abs(a) < std::abs(b); }));
}

} // namespace

// Key 1 from the sliders (stored in the same step), key 5 as stored; (a (5 - k) + b (k - 1)) / 4
// with quarters, halves going to the even neighbour on both sides of 0; from 5 down to 1 alike.
TEST(LineMorph, CrossfadeWritesTheKeyFromTheSlidersThenEachLineExactly)
{
    PatternTable table;
    storeWave({2, 500, 0, -2, 7}, 5, table);
    const EditedLine current {1, {0, -500, 3, -1, 7}};
    const LineWrites expected {{1, current.wave}, {2, {0, -250, 2, -1, 7}}, {3, {1, 0, 2, -2, 7}},
        {4, {2, 250, 1, -2, 7}}};
    EXPECT_EQ(planMorph(table, current, 1, 5, MorphKind::Crossfade).writes, expected);
    EXPECT_EQ(planMorph(table, {9, {}}, 3, 5, MorphKind::Crossfade).writes,
        (LineWrites {{4, {1, 250, 0, -1, 4}}}));
    EXPECT_EQ(planMorph(table, current, 5, 1, MorphKind::Crossfade).writes, expected);
    for (const auto& [from, to] : {std::pair {5, 6}, {5, 5}, {6, 5}, {0, 4}, {3, 33}}) {
        const MorphPlan none = planMorph(table, current, from, to, MorphKind::Spectral);
        EXPECT_TRUE(none.writes.empty() && !none.refusal.empty()) << from << " to " << to;
        EXPECT_TRUE(morphWaves({}, {}, from, to, MorphKind::Crossfade).empty()) << from << to;
    }
}

// A sine into its inverse: a crossfade passes through silence at the middle, spectral keeps
// the level all the way.
TEST(LineMorph, SpectralKeepsTheLevelOfASineMorphedIntoItsInverse)
{
    const Wave sine = cosines(500, {-std::numbers::pi / 2});
    const Wave inverse = cosines(500, {std::numbers::pi / 2});
    EXPECT_EQ(peak(morphWaves(sine, inverse, 1, 9, MorphKind::Crossfade)[3]), 0);
    const auto spectral = morphWaves(sine, inverse, 1, 9, MorphKind::Spectral);
    ASSERT_EQ(spectral.size(), 7u);
    for (const Wave& wave : spectral)
        EXPECT_NEAR(peak(wave), 500, 3); // 32 points catch a crest within cos(pi / 32)
    Wave raised {};
    raised.fill(300); // the offset moves on a straight line
    EXPECT_EQ(morphWaves({}, raised, 1, 4, MorphKind::Spectral)[0][17], 100);
}

// Harmonics 1..3 at 200 whose phases come into line at the middle: keys that peak at 435 give
// 600 there, so that line is scaled by 5/6 as a whole, where clipping would flatten its top.
TEST(LineMorph, SpectralScalesALoudLineDownInsteadOfClipping)
{
    const double turn = 0.3 * std::numbers::pi;
    const Wave a = cosines(200, {0, turn, -turn});
    const Wave b = cosines(200, {0, -turn, turn});
    const Wave middle = morphWaves(a, b, 1, 3, MorphKind::Spectral).at(0);
    const Wave scaled = cosines(200 * 500 / 600.0, {0, 0, 0});
    for (int i = 0; i < kSampleCount; ++i)
        EXPECT_NEAR(middle[i], scaled[i], 1) << i;
    EXPECT_EQ(middle[0], 500);
}

// Line 9 is stored silent; line 12, the current line, sounds only in the sliders.
TEST(TableLines, TheMorphsToLineAndTheSweepFindTheLinesWithASoundAsEdited)
{
    PatternTable table;
    for (const int line : {2, 5, 20})
        storeWave({line}, line, table);
    storeWave({}, 9, table);
    const EditedLine current {12, {12}};
    for (const auto& [from, to] : {std::pair {1, 2}, {5, 12}, {12, 20}, {20, 32}, {32, 32}})
        EXPECT_EQ(defaultMorphTo(table, current, from), to) << from;
    const SweepLines sweep = sweepLines(table, current);
    EXPECT_EQ(std::vector(sweep.line.begin(), sweep.line.begin() + sweep.count),
        (std::vector {2, 5, 12, 20}));
    EXPECT_EQ(sweep.wave[2], current.wave);
    EXPECT_EQ(sweepLines(table, {5, {}}).count, 2); // line 5 silenced in the sliders
}

TEST(LineOperations, MovesSwapWithTheNeighbourAndClearStoresSilence)
{
    PatternTable table;
    storeWave({5}, 5, table);
    const EditedLine current {1, {1}};
    const std::pair<LineWrites, LineWrites> cases[] = {
        {moveLine(table, current, 1, LineMove::Up), {{2, {1}}, {1, {}}}},
        {moveLine(table, current, 5, LineMove::Down), {{4, {5}}, {5, {}}}},
        {moveLine(table, current, 32, LineMove::Up), {}},
        {moveLine(table, current, 1, LineMove::Down), {}},
        {clearLine(5), {{5, {}}}},
    };
    for (const auto& [writes, expected] : cases)
        EXPECT_EQ(writes, expected);
    applyWrites(clearLine(5), table);
    EXPECT_EQ(table.cell(5, kFirstSampleRow), "0");
}
