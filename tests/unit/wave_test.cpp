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

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(NumberText, ReadsTheOneRule)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {{" .5", 0.5}, {"0.5xyz", 0.5}, {"\t-\n1\t.\n2 5", -1.25}, {"+3", 3}, {"-7", -7},
        {"", 0}, {"abc", 0}, {"1.2.3", 1.2}, {"1,5", 1}, {"1E-3", 0.001}, {"2d+2", 200}, {"1e+", 1},
        {"-.25", -0.25}, {"&H1F", 31}, {"&hff", 255}, {"&HA", 10}, {"&O17", 15}, {"&o8", 0},
        {"&X12", 0}, {"& H 1 0", 16}, {"\r5", 0}, {"1e400", kInf}, {"-1e999", -kInf},
        {"0.0000000000000000000000000001e28", 1}, {"nan", 0}};
    for (const auto& c : cases)
        EXPECT_EQ(readNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, WritesGeneralAndPaddedForms)
{
    const struct
    {
        double value;
        const char* general;
        const char* padded;
    } cases[] = {{0.5, "0.5", " .5"}, {-0.25, "-0.25", "-.25"}, {-0.0, "0", " 0"},
        {32.0, "32", " 32"}, {0.1 + 0.2, "0.3", " .3"}, {1e-5, "1E-05", " 1E-05"},
        {1e15, "1E+15", " 1E+15"}, {-kInf, "-1.79769313486231E+308", "-1.79769313486231E+308"}};
    for (const auto& c : cases) {
        EXPECT_EQ(generalForm(c.value), c.general) << c.value;
        EXPECT_EQ(paddedForm(c.value), c.padded) << c.value;
    }
    EXPECT_EQ(roundToIntIn(2.5, -9, 9), 2);
    EXPECT_EQ(roundToIntIn(-3.5, -9, 9), -4);
    EXPECT_EQ(roundToIntIn(std::nan(""), 1, 9), 1);
    EXPECT_EQ(roundToIntIn(kInf, -500, 500), 500);
}

// Only the left button alone draws (bit 1; right is 2, middle 4), and only while armed; the
// graph's 3755 units make 32 columns and 1001 values, edges clamped to the nearest sample.
TEST(PointerDrawing, MapsALeftDragToAColumnAndValue)
{
    using T = std::optional<PointerTarget>;
    const struct
    {
        int buttons;
        bool armed;
        float x, y;
        T target;
    } cases[] = {{1, true, 0, 0, PointerTarget {0, 500}},
        {1, true, 120, 600, PointerTarget {1, 340}}, {1, true, 1875, 1875, PointerTarget {15, 0}},
        {1, true, 3755, 3755, PointerTarget {31, -500}},
        {1, true, 0, 3.75f, PointerTarget {0, 499}},
        {1, true, -0.5f, -0.5f, PointerTarget {0, 500}}, {1, true, -1, 100, std::nullopt},
        {1, true, 100, 3756, std::nullopt}, {1, true, NAN, 100, std::nullopt},
        {1, false, 120, 600, std::nullopt}, {2, true, 120, 600, std::nullopt},
        {4, true, 120, 600, std::nullopt}, {3, true, 120, 600, std::nullopt},
        {0, true, 120, 600, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(pointerTarget(c.buttons, c.armed, c.x, c.y), c.target)
            << c.buttons << " " << c.armed << " " << c.x << "," << c.y;
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
    EXPECT_EQ(lines[0], (GraphLine {0, 1877, 3755, 1877, kCentreLineColour}));
    EXPECT_EQ(lines[1], (GraphLine {1877, 0, 1877, 3755, kCentreLineColour}));
    EXPECT_EQ(lines[2], (GraphLine {0, 939, 3755, 939, kQuarterLineColour}));
    EXPECT_EQ(lines[5], (GraphLine {2816, 0, 2816, 3755, kQuarterLineColour}));
    EXPECT_EQ(lines[6], (GraphLine {0, 3755, 121, 1878, kCurveColour}));
    EXPECT_EQ(lines[10], (GraphLine {484, 1878, 605, 0, kCurveColour}));
    EXPECT_EQ(lines[36], (GraphLine {3630, 1878, 3751, 1878, kCurveColour}));
}

TEST(Normalization, ScalesThePeakToFullScaleAndLeavesSilenceAlone)
{
    ArraySampleSet samples;
    normalize(samples);
    EXPECT_TRUE(samples.changes.empty());
    samples.values[0] = 120;
    samples.values[1] = 15; // 500 / 120 x 15 = 62.500000000000007
    samples.values[31] = -60;
    normalize(samples);
    EXPECT_EQ(samples.values[0], 500);
    EXPECT_EQ(samples.values[1], 63);
    EXPECT_EQ(samples.values[31], -250);
}

using Samples = std::array<int, kSampleCount>;

TEST(Presets, FixedShapesFillEverySample)
{
    const struct
    {
        Preset preset;
        Samples values;
    } shapes[] = {{Preset::Square,
                      {500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500,
                          500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500,
                          -500, -500, -500, -500, -500}},
        {Preset::Sine,
            {0, 98, 191, 278, 354, 416, 462, 490, 500, 490, 462, 416, 354, 278, 191, 98, 0, -98,
                -191, -278, -354, -416, -462, -490, -500, -490, -462, -416, -354, -278, -191, -98}},
        {Preset::Ramp2,
            {-500, -469, -438, -406, -375, -344, -312, -281, -250, -219, -188, -156, -125, -94, -62,
                -31, 0, 31, 62, 94, 125, 156, 188, 219, 250, 281, 312, 344, 375, 406, 438, 469}},
        {Preset::Ramp1,
            {500, 469, 438, 406, 375, 344, 312, 281, 250, 219, 188, 156, 125, 94, 62, 31, 0, -31,
                -62, -94, -125, -156, -188, -219, -250, -281, -312, -344, -375, -406, -438, -469}},
        {Preset::Triangle,
            {0, 62, 125, 188, 250, 312, 375, 438, 500, 438, 375, 312, 250, 188, 125, 62, 0, -62,
                -125, -188, -250, -312, -375, -438, -500, -438, -375, -312, -250, -188, -125, -62}},
        {Preset::DoubleSine,
            {0, 191, 354, 462, 500, 462, 354, 191, 0, -191, -354, -462, -500, -462, -354, -191, 0,
                96, 177, 231, 250, 231, 177, 96, 0, -96, -177, -231, -250, -231, -177, -96}},
        {Preset::Reset, {}}};
    RandomSource random;
    for (const auto& shape : shapes) {
        ArraySampleSet samples(Samples {7});
        GraphLines graph;
        generatePreset(shape.preset, samples, random, graph);
        EXPECT_EQ(samples.values, shape.values) << static_cast<int>(shape.preset);
        EXPECT_EQ(graph.lines().size(), 37u);
    }
}

TEST(Presets, RandomFormulas)
{
    EXPECT_EQ(randomExistingSample(300, 0.0f), 200);
    EXPECT_EQ(randomExistingSample(-300, 0.5f), -250);
    EXPECT_EQ(randomSample(1, 0.0f, 0.99999994f), 421); // sin(1) x 500
    EXPECT_EQ(randomSample(1, 0.99999994f, 0.99999994f), 227); // sin(1) cos(1) x 500
    EXPECT_EQ(randomSample(31, 0.1f, 0.5f), -103);
}

// The presets re-seed before every sample, far faster than the clock ticks; a re-seed mixes
// the clock into the state, so a clock standing still still gives a new draw each time.
TEST(RandomSource, DrawsSpreadOverZeroToOneEvenWithAStoppedClock)
{
    RandomSource random([] { return std::uint64_t {1234567}; });
    std::set<float> draws;
    double lowest = 1, highest = 0;
    for (int n = 0; n < 2000; ++n) {
        random.reseedFromClock();
        const float r = random.draw();
        ASSERT_TRUE(r >= 0 && r < 1) << r;
        draws.insert(r);
        lowest = std::min<double>(lowest, r);
        highest = std::max<double>(highest, r);
    }
    EXPECT_GT(draws.size(), 1990u);
    EXPECT_LT(lowest, 0.01);
    EXPECT_GT(highest, 0.99);
}

} // namespace
