#include "files/target_waves.h"

#include "pattern/line_waves.h"
#include "sound/cycle_resampling.h"
#include "wave/number_text.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

std::vector<double> linesAtLength(
    const PatternTable& table, int first, int last, int length, Resampling how)
{
    std::vector<double> samples;
    samples.reserve(static_cast<std::size_t>(last - first + 1) * static_cast<std::size_t>(length));
    if (how == Resampling::Hold) {
        const int hold = length / kSampleCount;
        for (int line = first; line <= last; ++line) {
            for (const int sample : lineWave(table, line))
                samples.insert(samples.end(), static_cast<std::size_t>(hold), sample);
        }
        return samples;
    }
    const CycleStretcher stretch(length);
    for (int line = first; line <= last; ++line)
        stretch(lineWave(table, line), samples);
    double peak = 0.0;
    for (const double x : samples)
        peak = std::max(peak, std::abs(x));
    if (peak > kSampleMax) {
        for (double& x : samples)
            x *= kSampleMax / peak;
    }
    return samples;
}

int levelOf(double sample, int bits)
{
    const double top = static_cast<double>((1LL << bits) - 1);
    return static_cast<int>(roundHalfEven((sample - kSampleMin) * top / (kSampleMax - kSampleMin)));
}

} // namespace ondulix
