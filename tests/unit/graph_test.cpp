#include "array_sample_set.h"
#include "wave/graph.h"
#include "wave/graph_lines.h"

#include <gtest/gtest.h>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// The exact integer rule for 3755 x (500 - v) / 1000, an exact half going to even.
int exactHeight(int v)
{
    const int n = 3755 * (500 - v);
    const int q = n / 1000;
    const int r = n % 1000;
    if (r < 500)
        return q;
    if (r > 500)
        return q + 1;
    return q % 2 == 0 ? q : q + 1;
}

TEST(GraphHeight, EveryValueMatchesTheExactIntegerRule)
{
    for (int v = -500; v <= 500; ++v)
        ASSERT_EQ(sampleHeight(v), exactHeight(v)) << v;
}

TEST(GraphHeight, NamedHeights)
{
    const std::pair<int, int> cases[]
        = {{500, 0}, {499, 4}, {400, 376}, {250, 939}, {200, 1126}, {1, 1874}, {0, 1878},
            {-1, 1881}, {-200, 2628}, {-250, 2816}, {-400, 3380}, {-499, 3751}, {-500, 3755}};
    for (const auto& [value, height] : cases)
        EXPECT_EQ(sampleHeight(value), height) << value;
}

std::vector<GraphLine> gridLines()
{
    return {
        {0, 1877, 3755, 1877, kCentreLineColour},
        {1877, 0, 1877, 3755, kCentreLineColour},
        {0, 939, 3755, 939, kQuarterLineColour},
        {0, 2816, 3755, 2816, kQuarterLineColour},
        {939, 0, 939, 3755, kQuarterLineColour},
        {2816, 0, 2816, 3755, kQuarterLineColour},
    };
}

// The expected picture: the grid, then a segment per neighbouring pair of (x, y) points.
std::vector<GraphLine> pictureThrough(const std::vector<std::pair<int, int>>& points)
{
    std::vector<GraphLine> lines = gridLines();
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        lines.push_back({points[i].first, points[i].second, points[i + 1].first,
            points[i + 1].second, kCurveColour});
    }
    return lines;
}

std::vector<std::pair<int, int>> flatPointsExcept(
    std::initializer_list<std::pair<int, int>> heights)
{
    std::vector<std::pair<int, int>> points;
    for (int i = 0; i < 32; ++i)
        points.push_back({121 * i, 1878});
    for (const auto& [index, y] : heights)
        points.at(index).second = y;
    return points;
}

TEST(GraphRedraw, AllZeroIsOneFlatLineBelowTheCentreLine)
{
    ArraySampleSet samples;
    GraphLines picture;
    redrawGraph(samples, picture);
    EXPECT_EQ(picture.lines(), pictureThrough(flatPointsExcept({})));
    EXPECT_EQ(picture.lines().back(), (GraphLine {3630, 1878, 3751, 1878, kCurveColour}));
    EXPECT_EQ(picture.drawColour(), kCurveColour);
}

TEST(GraphRedraw, OnePeakAtSampleFive)
{
    ArraySampleSet samples;
    samples.values[5] = 500;
    GraphLines picture;
    redrawGraph(samples, picture);
    EXPECT_EQ(picture.lines(), pictureThrough(flatPointsExcept({{5, 0}})));
    EXPECT_EQ(picture.lines()[6 + 4], (GraphLine {484, 1878, 605, 0, kCurveColour}));
    EXPECT_EQ(picture.lines()[6 + 5], (GraphLine {605, 0, 726, 1878, kCurveColour}));
}

TEST(GraphRedraw, BothEndsAtFullScale)
{
    ArraySampleSet samples;
    samples.values[0] = -500;
    samples.values[31] = 500;
    GraphLines picture;
    redrawGraph(samples, picture);
    EXPECT_EQ(picture.lines(), pictureThrough(flatPointsExcept({{0, 3755}, {31, 0}})));
    EXPECT_EQ(picture.lines()[6], (GraphLine {0, 3755, 121, 1878, kCurveColour}));
    EXPECT_EQ(picture.lines()[36], (GraphLine {3630, 1878, 3751, 0, kCurveColour}));
}

TEST(GraphRedraw, ARedrawReplacesThePictureAndRepeatsItForUnchangedSamples)
{
    ArraySampleSet samples;
    samples.values[3] = 250;
    GraphLines picture;
    redrawGraph(samples, picture);
    const std::vector<GraphLine> first = picture.lines();
    redrawGraph(samples, picture);
    EXPECT_EQ(picture.lines(), first);
    EXPECT_EQ(picture.lines().size(), 37u);
    // 250 lies on the upper quarter line, -250 on the lower one.
    samples.values[3] = -250;
    redrawGraph(samples, picture);
    EXPECT_EQ(picture.lines()[6 + 3].y1, 2816);
    EXPECT_EQ(first[6 + 3].y1, 939);
}

} // namespace
