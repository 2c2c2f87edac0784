#include "wave/waterfall.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace ondulix;

// Line 1 lowest and line 32 highest, each further aside; every wave's full swing inside the
// view, neighbours overlapping; a click finds the line whose baseline lies nearest.
TEST(Waterfall, LinesRiseAndStepAsideWithDepthAndAClickFindsTheNearest)
{
    const Waterfall view(400, 600);
    const double swing = kSampleMax * view.heightScale();
    const double step = view.baseline(1) - view.baseline(2);
    for (int line = 2; line <= 32; ++line) {
        EXPECT_NEAR(view.baseline(line - 1) - view.baseline(line), step, 1e-9) << line;
        EXPECT_GT(view.offset(line), view.offset(line - 1)) << line;
    }
    EXPECT_GT(swing, step);
    EXPECT_LE(view.baseline(1) + swing, 600);
    EXPECT_GE(view.baseline(32) - swing, 0);
    EXPECT_LE(view.offset(32) + view.waveWidth(), 400);
    const WaterfallWave segments = view.segments(Wave {500, -500}, 7);
    EXPECT_DOUBLE_EQ(segments[0].x1, view.offset(7));
    EXPECT_DOUBLE_EQ(segments[0].y1, view.baseline(7) - swing);
    EXPECT_DOUBLE_EQ(segments[1].y1, view.baseline(7) + swing);

    const std::pair<double, int> clicks[]
        = {{view.baseline(1) + 100, 1}, {view.baseline(4), 4}, {view.baseline(4) - 0.4 * step, 4},
            {view.baseline(4) - 0.6 * step, 5}, {view.baseline(32) - 100, 32}};
    for (const auto& [y, line] : clicks)
        EXPECT_EQ(view.lineNearest(y), line) << y;
    EXPECT_EQ(Waterfall(0, NAN).lineNearest(10), 1);
}
