#pragma once

#include "sound/cycle_resampling.h"
#include "sound/yin_pitch.h"
#include "wave/long_work.h"
#include "wave/spectrum.h"

#include <optional>
#include <span>
#include <vector>

namespace ondulix {

inline constexpr int kRecordingCycles = 32;

// 32 cycles of a recording, as 32-point waves scaled by `gain`, one for each line of the table.
// They are taken at evenly spaced times across the part where a pitch was found (the first time
// where the first pitch was found, the last where the last was), each one local period long and
// starting at the steepest rising zero crossing within a period of its time. The steepest, so
// that a note whose shape changes is cut at the same point of its shape all along. Nothing when
// no pitch is found anywhere: silence, noise.
// The work, when there is one, may stop the pitch's search early; what was found by then counts.
std::optional<std::vector<RealWave>> recordingCycles(
    std::span<const float> signal, int sampleRate, double gain, LongWork* work = nullptr);

// The same in two steps: the part of the recording that has a pitch, found once (the long
// work), then `count` cycles of it at evenly spaced times, the first and the last included, each
// brought to 32 points as `fit` says.
struct PitchedPart
{
    PitchTrack track;
    double begin = 0;
    double end = 0;
};
std::optional<PitchedPart> pitchedPart(
    std::span<const float> signal, int sampleRate, LongWork* work = nullptr);
std::vector<RealWave> cyclesOf(
    std::span<const float> signal, const PitchedPart& part, int count, double gain, CycleFit fit);

} // namespace ondulix
