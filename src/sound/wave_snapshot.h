#pragma once

#include "sound/triple_buffer.h"

#include <array>
#include <cstdint>

namespace ondulix {

// The 32 sample values as the sound side hears them.
using WaveSteps = std::array<std::int16_t, 32>;

// The latest wave, from the event thread to the renderer (see triple_buffer.h).
using WaveSnapshot = TripleBuffer<WaveSteps>;

} // namespace ondulix
