#pragma once

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

} // namespace ondulix
