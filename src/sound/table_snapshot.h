#pragma once

#include "sound/triple_buffer.h"
#include "sound/wave_snapshot.h"

#include <array>
#include <cstdint>

namespace ondulix {

// The lines a sweep plays, as the sound side hears them: up to 32 waves of 32 steps, in order,
// and the line number (1..32) each came from. A fixed block, so that handing it over allocates
// nothing.
struct TableSteps
{
    static constexpr int kMostLines = 32;

    int count = 0;
    std::array<WaveSteps, kMostLines> wave {};
    std::array<std::uint8_t, kMostLines> line {};
};

// The latest table, from the event thread to the renderer (see triple_buffer.h).
using TableSnapshot = TripleBuffer<TableSteps>;

} // namespace ondulix
