#include "array_sample_set.h"
#include "wave/graph_lines.h"
#include "wave/presets.h"
#include "wave/random_source.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

using Samples = std::array<int, 32>;

// The shapes as the presets are defined to give them, sample 0 first.
const struct
{
    Preset preset;
    const char* name;
    Samples values;
} kFixedShapes[] = {
    {Preset::Reset, "Reset", {}},
    {Preset::Square, "Square",
        {500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 500, -500, -500,
            -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500, -500}},
    {Preset::Sine, "Sine",
        {0, 98, 191, 278, 354, 416, 462, 490, 500, 490, 462, 416, 354, 278, 191, 98, 0, -98, -191,
            -278, -354, -416, -462, -490, -500, -490, -462, -416, -354, -278, -191, -98}},
    {Preset::Ramp2, "Ramp2",
        {-500, -469, -438, -406, -375, -344, -312, -281, -250, -219, -188, -156, -125, -94, -62,
            -31, 0, 31, 62, 94, 125, 156, 188, 219, 250, 281, 312, 344, 375, 406, 438, 469}},
    {Preset::Ramp1, "Ramp1",
        {500, 469, 438, 406, 375, 344, 312, 281, 250, 219, 188, 156, 125, 94, 62, 31, 0, -31, -62,
            -94, -125, -156, -188, -219, -250, -281, -312, -344, -375, -406, -438, -469}},
    {Preset::Triangle, "Traingle",
        {0, 62, 125, 188, 250, 312, 375, 438, 500, 438, 375, 312, 250, 188, 125, 62, 0, -62, -125,
            -188, -250, -312, -375, -438, -500, -438, -375, -312, -250, -188, -125, -62}},
    {Preset::DoubleSine, "Double Sine",
        {0, 191, 354, 462, 500, 462, 354, 191, 0, -191, -354, -462, -500, -462, -354, -191, 0, 96,
            177, 231, 250, 231, 177, 96, 0, -96, -177, -231, -250, -231, -177, -96}},
};

// A graph that notes, at each redraw, how many sample changes had happened by then.
class RedrawLog : public GraphLines
{
public:
    explicit RedrawLog(const ArraySampleSet& samples)
        : m_samples(samples)
    { }
    void clear() override
    {
        GraphLines::clear();
        changesAtRedraw.push_back(m_samples.changes.size());
    }
    std::vector<std::size_t> changesAtRedraw;

private:
    const ArraySampleSet& m_samples;
};

RandomSource frozenClockSource()
{
    return RandomSource([] { return std::uint64_t {1234567}; });
}

TEST(FixedPresets, EverySampleMatchesTheTable)
{
    for (const auto& shape : kFixedShapes) {
        for (int i = 0; i < 32; ++i)
            EXPECT_EQ(fixedPresetSample(shape.preset, i), shape.values[i])
                << shape.name << " " << i;
    }
}

TEST(FixedPresets, HalvesGoToTheEvenNeighbour)
{
    const struct
    {
        Preset preset;
        int index, value;
    } cases[] = {{Preset::Triangle, 1, 62}, {Preset::Triangle, 3, 188}, {Preset::Triangle, 5, 312},
        {Preset::Triangle, 7, 438}, {Preset::Triangle, 31, -62}, {Preset::Ramp2, 2, -438},
        {Preset::Ramp2, 6, -312}, {Preset::Ramp1, 2, 438}, {Preset::Ramp1, 6, 312}};
    for (const auto& c : cases)
        EXPECT_EQ(fixedPresetSample(c.preset, c.index), c.value) << c.index;
}

TEST(PresetGenerator, WritesEverySampleInIndexOrderThenRedrawsOnce)
{
    RandomSource random = frozenClockSource();
    for (const auto& shape : kFixedShapes) {
        ArraySampleSet samples;
        samples.values.fill(7);
        RedrawLog graph(samples);
        generatePreset(shape.preset, samples, random, graph);
        EXPECT_EQ(samples.values, shape.values) << shape.name;
        std::vector<int> everyIndex(32);
        std::iota(everyIndex.begin(), everyIndex.end(), 0);
        EXPECT_EQ(samples.changes, everyIndex) << shape.name;
        EXPECT_EQ(graph.changesAtRedraw, (std::vector<std::size_t> {32})) << shape.name;
        EXPECT_EQ(graph.lines().size(), 37u);
    }
}

TEST(PresetGenerator, SineFromSilenceChangesAllButSamplesZeroAndSixteen)
{
    RandomSource random = frozenClockSource();
    ArraySampleSet samples;
    RedrawLog graph(samples);
    generatePreset(Preset::Sine, samples, random, graph);
    EXPECT_EQ(samples.changes.size(), 30u);
    EXPECT_EQ(std::count(samples.changes.begin(), samples.changes.end(), 0), 0);
    EXPECT_EQ(std::count(samples.changes.begin(), samples.changes.end(), 16), 0);
    EXPECT_EQ(samples.changes.back(), 31);
    EXPECT_EQ(graph.changesAtRedraw, (std::vector<std::size_t> {30}));
}

TEST(PresetGenerator, APresetAlreadyHeldChangesNothingButStillRedraws)
{
    RandomSource random = frozenClockSource();
    ArraySampleSet samples(kFixedShapes[5].values);
    RedrawLog graph(samples);
    generatePreset(Preset::Triangle, samples, random, graph);
    EXPECT_TRUE(samples.changes.empty());
    EXPECT_EQ(graph.changesAtRedraw, (std::vector<std::size_t> {0}));
}

TEST(RandomPresetFormulas, RandomExistingScalesByTwoThirdsUpToOne)
{
    const struct
    {
        int value;
        float r;
        int result;
    } cases[] = {{500, 0.0f, 333}, {500, std::nextafter(1.0f, 0.0f), 500}, {-500, 0.0f, -333},
        {3, 0.5f, 2}, // 7.5 / 3 = 2.5, down to the even 2
        {-3, 0.5f, -2}, {1, 0.0f, 1}, {1, 0.99f, 1}, {-1, 0.0f, -1}, {0, 0.7f, 0},
        {300, 0.5f, 250}};
    for (const auto& c : cases)
        EXPECT_EQ(randomExistingSample(c.value, c.r), c.result) << c.value << " " << c.r;
}

TEST(RandomPresetFormulas, RandomIsSineOfTheSecondDrawTimesCosineOfTheFirst)
{
    const float below1 = std::nextafter(1.0f, 0.0f);
    EXPECT_EQ(randomSample(0, 0.9f, 0.9f), 0);
    EXPECT_EQ(randomSample(1, 0.0f, below1), 421); // sin(1) x 500 = 420.7: the largest at 1
    EXPECT_EQ(randomSample(1, below1, 0.0f), 0);
    EXPECT_EQ(randomSample(1, below1, below1), 227); // sin(1) cos(1) x 500
    EXPECT_EQ(randomSample(16, 0.0f, 0.09817477f), 500); // sin(pi / 2)
    EXPECT_EQ(randomSample(31, 0.1f, 0.5f), -103); // sin(15.5) cos(3.1) x 500 = -103.1
}

TEST(RandomPresets, RandomStartsAtZeroAndItsSecondSampleLiesBelow421)
{
    RandomSource random; // the real clock
    for (int run = 0; run < 200; ++run) {
        ArraySampleSet samples;
        GraphLines graph;
        generatePreset(Preset::Random, samples, random, graph);
        ASSERT_EQ(samples.values[0], 0) << run;
        ASSERT_GE(samples.values[1], 0) << run;
        ASSERT_LE(samples.values[1], 421) << run;
        for (int v : samples.values)
            ASSERT_LE(std::abs(v), 500);
    }
}

// The generator re-seeds before every sample and draws r1 for the cosine, then r2 for the sine.
TEST(RandomPresets, RandomReseedsBeforeEverySampleAndDrawsTwice)
{
    RandomSource random = frozenClockSource();
    RandomSource twin = frozenClockSource();
    ArraySampleSet samples;
    GraphLines graph;
    generatePreset(Preset::Random, samples, random, graph);
    for (int i = 0; i < 32; ++i) {
        twin.reseedFromClock();
        const float r1 = twin.draw();
        const float r2 = twin.draw();
        EXPECT_EQ(samples.values[i], randomSample(i, r1, r2)) << i;
    }
    EXPECT_EQ(random.draw(), twin.draw());
}

TEST(RandomPresets, RandomExistingKeepsZerosAndSignsAndShrinksByAtMostAThird)
{
    RandomSource random;
    for (int run = 0; run < 100; ++run) {
        ArraySampleSet samples;
        for (int i = 0; i < 32; ++i)
            samples.values[i] = (i % 3 == 0) ? 0 : (i % 2 ? 500 : -500);
        samples.values[1] = 1;
        samples.values[2] = -2;
        GraphLines graph;
        generatePreset(Preset::RandomExisting, samples, random, graph);
        EXPECT_EQ(samples.values[1], 1);
        // -2 x (r + 2) / 3 lies in -2..-1.33: it may round to -1, never to 0.
        EXPECT_TRUE(samples.values[2] == -2 || samples.values[2] == -1) << samples.values[2];
        for (int i = 4; i < 32; ++i) {
            const int v = samples.values[i];
            if (i % 3 == 0)
                ASSERT_EQ(v, 0) << i;
            else if (i % 2)
                ASSERT_TRUE(v >= 333 && v <= 500) << i << " " << v;
            else
                ASSERT_TRUE(v <= -333 && v >= -500) << i << " " << v;
        }
    }
}

// With a clock that does not move, every re-seed of one run still reads the same clock value.
TEST(RandomPresets, RandomExistingVariesPerSampleWhenTheClockStandsStill)
{
    RandomSource random = frozenClockSource();
    ArraySampleSet samples;
    samples.values.fill(500);
    GraphLines graph;
    generatePreset(Preset::RandomExisting, samples, random, graph);
    const std::set<int> distinct(samples.values.begin(), samples.values.end());
    EXPECT_GE(distinct.size(), 16u);

    ArraySampleSet again;
    again.values.fill(500);
    generatePreset(Preset::RandomExisting, again, random, graph);
    EXPECT_NE(again.values, samples.values);
}

TEST(RandomPresets, RandomExistingOnSilenceChangesNothing)
{
    RandomSource random;
    ArraySampleSet samples;
    RedrawLog graph(samples);
    generatePreset(Preset::RandomExisting, samples, random, graph);
    EXPECT_TRUE(samples.changes.empty());
    EXPECT_EQ(graph.changesAtRedraw.size(), 1u);
}

} // namespace
