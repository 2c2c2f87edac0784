#pragma once

#include "sound/wave_snapshot.h"
#include "wave/chip_depth.h"
#include "wave/sample_set.h"

namespace ondulix {

// A sample as the chip plays it at a depth of `bits` (0 for Exact): on the nearest of its levels.
inline std::int16_t samplePlayed(int sample, int bits)
{
    return static_cast<std::int16_t>(onChipLevel(sample, bits));
}

// The wave as the sound side takes it: the 32 samples, each held for 1/32 of the period, each
// on the chip's levels at that depth. Whatever plays a wave passes it through here.
inline WaveSteps wavePlayed(const Wave& wave, int bits)
{
    WaveSteps steps {};
    for (int i = 0; i < kSampleCount; ++i)
        steps[i] = samplePlayed(wave[i], bits);
    return steps;
}

inline WaveSteps wavePlayed(const SampleSet& samples, int bits)
{
    return wavePlayed(readWave(samples), bits);
}

} // namespace ondulix
