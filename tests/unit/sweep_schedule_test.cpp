#include "sound/sweep_schedule.h"

#include <cmath>
#include <gtest/gtest.h>
#include <tuple>

using namespace ondulix;

// p runs 0 .. S - 1 in T seconds and back; the line is p rounded half to even, so at
// p = k + 0.5 it is the even one of k and k + 1, on the way up and on the way back.
TEST(SweepSchedule, PlaysTheLineAtThePositionRoundedHalfToEvenUpAndBack)
{
    // Lines, sweep time and time in seconds, and the index played.
    const std::tuple<int, double, double, int> cases[] = {
        {2, 2, 0, 0}, {2, 2, 1.0, 0}, {2, 2, 1.01, 1}, {2, 2, 2, 1}, {2, 2, 2.98, 1},
        {2, 2, 3.0, 0}, {2, 2, 4, 0}, {2, 2, 5.01, 1}, {2, 0.5, 0.25, 0}, {2, 0.5, 0.26, 1},
        {2, 0.5, 0.74, 1}, {2, 0.5, 0.75, 0}, {3, 0.5, 0.125, 0}, {3, 0.5, 0.25, 1},
        {3, 0.5, 0.375, 2}, {3, 0.5, 0.625, 2}, {3, 0.5, 0.875, 0}, {3, 2, 1.5, 2}, {3, 2, 3.5, 0},
        {5, 2, 0.25, 0}, {5, 2, 0.75, 2}, {5, 2, 1.25, 2}, {5, 2, 1.75, 4}, {5, 2, 2, 4},
        {5, 2, 2.25, 4}, {5, 2, 2.5, 3}, {5, 2, 4, 0}, {5, 2, 6, 4}, {5, 0.5, 0.0625, 0},
        {5, 0.5, 0.1875, 2}, {5, 0.5, 0.5625, 4}, {5, 0.5, 1.0, 0},
        {1, 2, 1, 0}, // no sweep: stays on its one line
    };
    for (const auto& [lines, sweepTime, at, index] : cases) {
        EXPECT_EQ(SweepSchedule(lines, sweepTime, 48000).indexAt(std::llround(at * 48000)), index)
            << lines << " lines over " << sweepTime << " s at " << at << " s";
    }
    // A sweep time of no length still turns, from one frame to the next.
    EXPECT_EQ(SweepSchedule(3, NAN, 48000).indexAt(1), 2);
}
