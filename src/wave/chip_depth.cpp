#include "wave/chip_depth.h"

#include "wave/tracker_wave.h"

#include <algorithm>

namespace ondulix {

int onChipLevel(int sample, int bits)
{
    // Exact, and any depth no chip has (which the level arithmetic could not hold).
    if (bits < 1 || bits > 16)
        return sample;
    // Out of range, the tracker rule would give levels the chip does not have.
    const int held = std::clamp(sample, kSampleMin, kSampleMax);
    return trackerSample(trackerLevel(held, bits), bits);
}

Wave onChipLevels(const Wave& wave, int bits)
{
    Wave rounded {};
    std::transform(wave.begin(), wave.end(), rounded.begin(),
        [bits](int sample) { return onChipLevel(sample, bits); });
    return rounded;
}

} // namespace ondulix
