#pragma once

#include "sound/wave_snapshot.h"
#include "wave/sample_set.h"

namespace ondulix {

// The wave as the sound side takes it: the 32 samples, each held for 1/32 of the period. Every
// wave the preview plays passes here, the sweep's lines too.
inline WaveSteps wavePlayed(const Wave& samples)
{
    WaveSteps wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = static_cast<std::int16_t>(samples[i]);
    return wave;
}

inline WaveSteps wavePlayed(const SampleSet& samples)
{
    return wavePlayed(readWave(samples));
}

} // namespace ondulix
