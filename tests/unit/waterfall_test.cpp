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
    // Joined segments from the line's offset to its end (the graph's 3751 of 3755).
    const WaterfallWave segments = view.segments(Wave {0, -500}, 7);
    EXPECT_DOUBLE_EQ(segments[0].y2, view.baseline(7) + swing);
    EXPECT_NEAR(segments[30].x2 - segments[0].x1, view.waveWidth(), 0.5);
    for (int i = 1; i < kSampleCount - 1; ++i)
        EXPECT_TRUE(segments[i].x1 == segments[i - 1].x2 && segments[i].y1 == segments[i - 1].y2);

    const std::pair<double, int> clicks[]
        = {{view.baseline(1) + 100, 1}, {view.baseline(4), 4}, {view.baseline(4) - 0.4 * step, 4},
            {view.baseline(4) - 0.6 * step, 5}, {view.baseline(32) - 100, 32}};
    for (const auto& [y, line] : clicks)
        EXPECT_EQ(view.lineNearest(y), line) << y;
    EXPECT_EQ(view.lineNearest(NAN) + Waterfall(0, NAN).lineNearest(10), 2); // line 1 for each
}
