#include "array_sample_set.h"
#include "wave/graph_lines.h"
#include "wave/normalization.h"
#include "wave/number_text.h"
#include "wave/pointer_drawing.h"
#include "wave/presets.h"
#include "wave/random_source.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <tuple>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, ReadsByTheOneRule)
{
    const std::pair<const char*, double> cases[] = {{" .5", 0.5}, {"0.5xyz", 0.5},
        {"\t-\n1\t.\n2 5", -1.25}, {"+3", 3}, {"-7", -7}, {"abc", 0}, {"1.2.3", 1.2}, {"1,5", 1},
        {"1E-3", 0.001}, {"2d+2", 200}, {"1e+", 1}, {"&H1F", 31}, {"&hA", 10}, {"&O17", 15},
        {"&o8", 0}, {"&X12", 0}, {"& H 1 0", 16}, {"\r5", 0}, {"1e400", kInf}, {"-1e999", -kInf},
        {"0.0000000000000000000000000001e28", 1}, {"nan", 0}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(readNumber(text), value) << '"' << text << '"';
}

TEST(NumberText, WritesGeneralAndPaddedFormsAndRoundsHalfToEven)
{
    const std::tuple<double, const char*, const char*> cases[]
        = {{0.5, "0.5", " .5"}, {-0.25, "-0.25", "-.25"}, {-0.0, "0", " 0"}, {32.0, "32", " 32"},
            {0.1 + 0.2, "0.3", " .3"}, {1e-5, "1E-05", " 1E-05"}, {1e15, "1E+15", " 1E+15"},
            {-kInf, "-1.79769313486231E+308", "-1.79769313486231E+308"}};
    for (const auto& [value, general, padded] : cases) {
        EXPECT_EQ(generalForm(value), general) << value;
        EXPECT_EQ(paddedForm(value), padded) << value;
    }
    const std::tuple<double, int> rounded[] = {{2.5, 2}, {-3.5, -4}, {std::nan(""), 1}, {kInf, 9}};
    for (const auto& [value, result] : rounded)
        EXPECT_EQ(roundToIntIn(value, 1, 9), std::clamp(result, 1, 9)) << value;
}

// Only the left button alone draws (bit 1; right is 2, middle 4), and only while armed; 3755
// graph units make 32 columns and 1001 values, the edges clamped to the nearest sample.
TEST(PointerDrawing, MapsALeftDragToAColumnAndValue)
{
    const std::tuple<int, bool, float, float, int, int> cases[] = {{1, true, 0, 0, 0, 500},
        {1, true, 120, 600, 1, 340}, {1, true, 1875, 1875, 15, 0}, {1, true, 3755, 3755, 31, -500},
        {1, true, 0, 3.75f, 0, 499}, {1, true, -0.5f, -0.5f, 0, 500}, {1, true, -1, 9, -1, 0},
        {1, true, 9, 3756, -1, 0}, {1, true, NAN, 9, -1, 0}, {1, false, 9, 9, -1, 0},
        {2, true, 9, 9, -1, 0}, {4, true, 9, 9, -1, 0}, {3, true, 9, 9, -1, 0}};
    for (const auto& [buttons, armed, x, y, column, value] : cases) {
        const auto target = pointerTarget(buttons, armed, x, y);
        EXPECT_EQ(target.value_or(PointerTarget {-1, 0}), (PointerTarget {column, value}))
            << buttons << " " << armed << " " << x << "," << y;
    }
}

TEST(Graph, RedrawsGridThenCurveFromTheSamples)
{
    ArraySampleSet samples;
    samples.values[0] = -500;
    samples.values[5] = 500;
    GraphLines picture;
    picture.drawLine(1, 2, 3, 4); // left over from an earlier redraw
    redrawGraph(samples, picture);
    const std::vector<GraphLine>& lines = picture.lines();
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[2], (GraphLine {0, 939, 3755, 939, kQuarterLineColour}));
    EXPECT_EQ(lines[6], (GraphLine {0, 3755, 121, 1878, kCurveColour}));
    EXPECT_EQ(lines[10], (GraphLine {484, 1878, 605, 0, kCurveColour}));
    EXPECT_EQ(lines[36], (GraphLine {3630, 1878, 3751, 1878, kCurveColour}));
}

TEST(Normalization, ScalesThePeakToFullScaleAndLeavesSilenceAlone)
{
    ArraySampleSet silence, samples({120, 15, -60}); // 500 / 120 x 15 = 62.500000000000007
    normalize(silence);
    normalize(samples);
    EXPECT_TRUE(silence.changes.empty());
    EXPECT_EQ(samples.values, (std::array<int, kSampleCount> {500, 63, -250}));
}

// Samples 1, 8, 17, 24 and 31 of each preset; each fills all 32 and redraws the graph.
TEST(Presets, FixedShapesFillEverySample)
{
    const std::pair<Preset, std::array<int, 5>> shapes[] = {{Preset::Reset, {0, 0, 0, 0, 0}},
        {Preset::Square, {500, 500, -500, -500, -500}}, {Preset::Sine, {98, 500, -98, -500, -98}},
        {Preset::Ramp2, {-469, -250, 31, 250, 469}}, {Preset::Ramp1, {469, 250, -31, -250, -469}},
        {Preset::Triangle, {62, 500, -62, -500, -62}}, {Preset::DoubleSine, {191, 0, 96, 0, -96}}};
    RandomSource random;
    for (const auto& [preset, values] : shapes) {
        ArraySampleSet samples(std::array<int, kSampleCount> {7});
        GraphLines graph;
        generatePreset(preset, samples, random, graph);
        const std::array<int, 5> seen {samples.values[1], samples.values[8], samples.values[17],
            samples.values[24], samples.values[31]};
        EXPECT_EQ(seen, values) << static_cast<int>(preset);
        EXPECT_EQ(graph.lines().size(), 37u);
    }
    EXPECT_EQ(randomExistingSample(-300, 0.5f), -250); // scaled by (r + 2) / 3
    EXPECT_EQ(randomSample(1, 0.99999994f, 0.99999994f), 227); // sin(1) cos(1) x 500
    EXPECT_EQ(randomSample(31, 0.1f, 0.5f), -103);
}

// The presets re-seed before every sample, far faster than the clock ticks; a re-seed mixes
// the clock into the state, so a clock standing still still gives a new draw each time.
TEST(RandomSource, DrawsSpreadOverZeroToOneEvenWithAStoppedClock)
{
    RandomSource random([] { return std::uint64_t {1234567}; });
    std::set<float> draws;
    for (int n = 0; n < 2000; ++n) {
        random.reseedFromClock();
        draws.insert(random.draw());
    }
    EXPECT_GT(draws.size(), 1990u);
    EXPECT_TRUE(*draws.begin() >= 0 && *draws.begin() < 0.01f) << *draws.begin();
    EXPECT_TRUE(*draws.rbegin() > 0.99f && *draws.rbegin() < 1) << *draws.rbegin();
}

} // namespace
