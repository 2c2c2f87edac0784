#pragma once

#include <array>
#include <cstdint>

namespace ondulix {

// The sweep times the user can pick, in seconds; 2 until another is picked.
inline constexpr std::array<double, 5> kSweepTimes {0.5, 1.0, 2.0, 4.0, 8.0};
inline constexpr double kDefaultSweepTime = 2.0;
// A sweep plays the lines of one pattern table.
inline constexpr int kMostSweepLines = 32;

// Where a sweep through S lines is, as a wavetable synthesizer sweeps its table: the position p
// runs from 0 to S - 1 in the sweep time and back in the same time, over and over, and the line
// played is p rounded half to even. Time counts in frames of output, so that a position that
// lies exactly on a half is found exactly, and a sweep of any length keeps no drift.
//
// Plain values, no allocation: the rendering thread asks it at the start of each period of the
// wave it plays, which is the only moment a new line may start without a click.
class SweepSchedule
{
public:
    // lineCount below 2 gives a schedule that stays on index 0, and one above 32 counts as 32;
    // a sweep time that rounds to less than one frame (or is not a number) counts as one frame,
    // and one beyond an hour as an hour.
    SweepSchedule(int lineCount, double seconds, int frameRate);

    // The index (0 .. lineCount - 1) of the line to play after `elapsedFrames` frames.
    int indexAt(std::int64_t elapsedFrames) const;

    int lineCount() const { return m_lineCount; }

private:
    int m_lineCount = 1;
    std::int64_t m_sweepFrames = 1; // one way, first line to last
};

} // namespace ondulix
