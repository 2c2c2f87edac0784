#include "platform/graph_box.h"
#include "unit/array_sample_set.h"
#include "wave/graph.h"

#include <QImage>
#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <set>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

namespace {

// The drawing area inside the graph's border, in logical pixels.
constexpr int kArea = 253;

QRgb rgbOf(Rgb colour)
{
    return qRgb(colour.red, colour.green, colour.blue);
}

// The graph of `samples` as a screen with `ratio` device pixels to a logical one shows it.
QImage paintedGraph(const SampleSet& samples, double ratio)
{
    GraphBox box;
    redrawGraph(samples, box);
    const int side = static_cast<int>(std::ceil(kArea * ratio));
    QImage image(side, side, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.fillRect(QRectF(0, 0, kArea, kArea), QColor(rgbOf(kGraphBackground)));
    box.rasterise(painter);
    painter.end();
    return image;
}

ArraySampleSet sineSamples()
{
    ArraySampleSet samples;
    for (int i = 0; i < kSampleCount; ++i)
        samples.values.at(i) = static_cast<int>(std::lround(500 * std::sin(2 * M_PI * i / 32)));
    return samples;
}

// The longest unbroken run of `colour` along the row (or the column) through `at`.
int longestRun(const QImage& image, QPoint at, bool alongRow, QRgb colour)
{
    int longest = 0;
    int run = 0;
    for (int i = 0; i < (alongRow ? image.width() : image.height()); ++i) {
        const QPoint p = alongRow ? QPoint(i, at.y()) : QPoint(at.x(), i);
        run = image.pixel(p) == colour ? run + 1 : 0;
        longest = std::max(longest, run);
    }
    return longest;
}

// The pixels of `picture` in `colour` that have no pixel of that colour in `reference` within
// `reach` pixels: what one picture draws and the other does not. The curve is drawn over the
// grid, so where a grid line meets it a curve pixel stands in for the line.
int unmatchedPixels(const QImage& picture, const QImage& reference, QRgb colour, int reach)
{
    const auto matches = [&](QPoint p) {
        return reference.rect().contains(p)
            && (reference.pixel(p) == colour || reference.pixel(p) == rgbOf(kCurveColour));
    };
    int unmatched = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (picture.pixel(x, y) != colour)
                continue;
            bool near = false;
            for (int dy = -reach; dy <= reach; ++dy) {
                for (int dx = -reach; dx <= reach; ++dx)
                    near = near || matches(QPoint(x + dx, y + dy));
            }
            unmatched += near ? 0 : 1;
        }
    }
    return unmatched;
}

class GraphAtScale : public ::testing::TestWithParam<double>
{
};

TEST_P(GraphAtScale, DrawsOnlyTheGraphColoursWithNoBlending)
{
    const QImage image = paintedGraph(sineSamples(), GetParam());
    std::set<QRgb> seen;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            seen.insert(image.pixel(x, y) | 0xff000000);
    }
    const std::set<QRgb> graphColours {rgbOf(kGraphBackground), rgbOf(kCentreLineColour),
        rgbOf(kQuarterLineColour), rgbOf(kCurveColour)};
    EXPECT_EQ(seen, graphColours);
}

// Lines are one logical pixel wide, in whole device pixels: 1 at scale 1, 2 at 2 and at 1.5,
// 3 at 3.
TEST_P(GraphAtScale, LinesAreOneLogicalPixelWideInWholeDevicePixels)
{
    const double ratio = GetParam();
    const int expected = std::max(1, static_cast<int>(std::lround(ratio)));
    const QImage flat = paintedGraph(ArraySampleSet(), ratio);
    const auto device = [ratio](int logical) { return static_cast<int>(logical * ratio); };
    // Away from every other line: a column between the grid lines, a row likewise.
    EXPECT_EQ(longestRun(flat, {device(100), 0}, false, rgbOf(kCurveColour)), expected);
    EXPECT_EQ(longestRun(flat, {0, device(100)}, true, rgbOf(kCentreLineColour)), expected);
    EXPECT_EQ(longestRun(flat, {0, device(30)}, true, rgbOf(kQuarterLineColour)), expected);
}

INSTANTIATE_TEST_SUITE_P(DevicePixelRatios, GraphAtScale, ::testing::Values(1.0, 1.5, 2.0, 3.0));

// Line ends and the steps of a slanted line may fall a device pixel apart, so the two pictures
// are compared to within one logical pixel.
TEST(GraphAtTwiceTheScale, ShowsThePictureOfScaleOneAtTwiceTheSize)
{
    const ArraySampleSet samples = sineSamples();
    const QImage doubled = paintedGraph(samples, 1.0).scaled(2 * kArea, 2 * kArea);
    const QImage atTwo = paintedGraph(samples, 2.0);
    for (Rgb colour : {kCurveColour, kCentreLineColour, kQuarterLineColour}) {
        EXPECT_EQ(unmatchedPixels(atTwo, doubled, rgbOf(colour), 2), 0) << rgbOf(colour);
        EXPECT_EQ(unmatchedPixels(doubled, atTwo, rgbOf(colour), 2), 0) << rgbOf(colour);
    }
}

} // namespace
