#include "sound/sweep_schedule.h"

#include "wave/number_text.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr double kLongestSweep = 3600.0;

std::int64_t framesFor(double seconds, int frameRate)
{
    const double frames = seconds * std::max(frameRate, 1);
    if (!(frames >= 1.0))
        return 1;
    return std::llround(std::min(frames, kLongestSweep * std::max(frameRate, 1)));
}

} // namespace

SweepSchedule::SweepSchedule(int lineCount, double seconds, int frameRate)
    : m_lineCount(std::clamp(lineCount, 1, kMostSweepLines))
    , m_sweepFrames(framesFor(seconds, frameRate))
{ }

int SweepSchedule::indexAt(std::int64_t elapsedFrames) const
{
    const std::int64_t period = 2 * m_sweepFrames;
    std::int64_t along = elapsedFrames % period;
    if (along < 0)
        along += period;
    if (along > m_sweepFrames)
        along = period - along; // on the way back
    // p = (S - 1) x along / sweep frames, in whole numbers.
    return static_cast<int>(
        divideRoundHalfEven(static_cast<std::int64_t>(m_lineCount - 1) * along, m_sweepFrames));
}

} // namespace ondulix
