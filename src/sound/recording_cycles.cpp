#include "sound/recording_cycles.h"

#include "sound/cycle_resampling.h"
#include "sound/yin_pitch.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

// The period at the estimate nearest to `time` that found one.
double periodAt(const PitchTrack& track, double time)
{
    const double estimate = (time - static_cast<double>(track.firstCentre)) / track.hop;
    const auto last = static_cast<long long>(track.periods.size()) - 1;
    const long long nearest = std::clamp(std::llround(estimate), 0LL, last);
    for (long long step = 0; step <= last; ++step) {
        for (const long long at : {nearest - step, nearest + step}) {
            if (at >= 0 && at <= last && track.periods[at] > 0.0)
                return track.periods[at];
        }
    }
    return 0.0;
}

// Where a cycle of `period` samples near `time` starts: the steepest rising zero crossing within
// one period, found between its two samples; `time` itself where there is none.
double cycleStart(std::span<const float> signal, double time, double period)
{
    const auto span = static_cast<long long>(std::ceil(period));
    // Room for the cycle after the search, and a sample either side for the interpolation.
    const long long latest = static_cast<long long>(signal.size()) - 2 * span - 3;
    const long long from = std::clamp(static_cast<long long>(time), 1LL, std::max(1LL, latest));
    double start = static_cast<double>(from);
    float steepest = 0.0f;
    for (long long i = from; i < from + span && i < static_cast<long long>(signal.size()); ++i) {
        const float before = signal[i - 1], after = signal[i];
        if (before < 0.0f && after >= 0.0f && after - before > steepest) {
            steepest = after - before;
            start = static_cast<double>(i - 1) + before / (before - after);
        }
    }
    return start;
}

} // namespace

std::optional<PitchedPart> pitchedPart(
    std::span<const float> signal, int sampleRate, LongWork* work)
{
    PitchedPart part {trackPitch(signal, sampleRate, work)};
    const auto& periods = part.track.periods;
    const auto found = [](double period) { return period > 0.0; };
    const auto first = std::find_if(periods.begin(), periods.end(), found);
    if (first == periods.end())
        return std::nullopt;
    const auto last = std::find_if(periods.rbegin(), periods.rend(), found);
    part.begin = static_cast<double>(part.track.centre(first - periods.begin()));
    part.end = static_cast<double>(part.track.centre(periods.rend() - last - 1));
    return part;
}

std::vector<RealWave> cyclesOf(
    std::span<const float> signal, const PitchedPart& part, int count, double gain, CycleFit fit)
{
    std::vector<RealWave> cycles;
    cycles.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k) {
        const double time
            = count == 1 ? part.begin : part.begin + (part.end - part.begin) * k / (count - 1);
        const double period = periodAt(part.track, time);
        const double start = cycleStart(signal, time, period);
        cycles.push_back(fit == CycleFit::Plain ? meanCycleAt(signal, start, period, gain)
                                                : resampleCycleAt(signal, start, period, gain));
    }
    return cycles;
}

std::optional<std::vector<RealWave>> recordingCycles(
    std::span<const float> signal, int sampleRate, double gain, LongWork* work)
{
    const auto part = pitchedPart(signal, sampleRate, work);
    if (!part)
        return std::nullopt;
    return cyclesOf(signal, *part, kRecordingCycles, gain, CycleFit::Smooth);
}

} // namespace ondulix
