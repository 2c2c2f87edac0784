#pragma once

#include "sound/wave_snapshot.h"
#include "wave/sample_set.h"

namespace ondulix {

// The wave as the sound side takes it: the 32 samples, each held for 1/32 of the period.
inline WaveSteps wavePlayed(const SampleSet& samples)
{
    WaveSteps wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = static_cast<std::int16_t>(samples.sample(i));
    return wave;
}

} // namespace ondulix
