#include "wave/normalization.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

#include <algorithm>
#include <cstdlib>

namespace ondulix {

namespace {

int peakMagnitude(const SampleSet& samples)
{
    int peak = 0;
    for (int i = 0; i < kSampleCount; ++i)
        peak = std::max(peak, std::abs(samples.sample(i)));
    return peak;
}

} // namespace

void normalize(SampleSet& samples)
{
    const int peak = peakMagnitude(samples);
    if (peak == 0)
        return;
    // Dividing first is part of the result: for a peak of 120, 15 gives 62.500000000000007,
    // which rounds to 63, where 500 x 15 / 120 would give exactly 62.5 and round to 62.
    const double factor = static_cast<double>(kSampleMax) / peak;
    for (int i = 0; i < kSampleCount; ++i)
        samples.setSample(i, roundToIntIn(factor * samples.sample(i), kSampleMin, kSampleMax));
}

} // namespace ondulix
