#include "sound/yin_pitch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ondulix {

namespace {

constexpr double kHopSeconds = 0.01;
// The rate the lags are searched at: twice the 5 kHz that the first harmonics of the highest
// pitch need, with room for the low-pass filter's slope.
constexpr int kSearchRate = 11025;
constexpr int kTapsPerFactor = 8;
// Quieter than about -70 dB of full scale, a window holds no tone worth finding.
constexpr double kQuietestMeanSquare = 1e-7;

// Where the search runs, in samples of the brought-down signal, and how far it reaches.
struct SearchPlan
{
    int factor = 1; // the signal is kept at every factor-th sample
    int shortestLag = 2;
    int longestLag = 2; // also the window: the paper's window holds the longest period
    int hop = 1;
};

SearchPlan searchPlan(int sampleRate)
{
    SearchPlan plan;
    plan.factor = std::max(1, sampleRate / kSearchRate);
    const double rate = static_cast<double>(sampleRate) / plan.factor;
    plan.shortestLag = std::max(2, static_cast<int>(rate / kHighestPitch));
    plan.longestLag
        = std::max(plan.shortestLag + 2, static_cast<int>(std::ceil(rate / kLowestPitch)));
    plan.hop = std::max(1, static_cast<int>(std::lround(rate * kHopSeconds)));
    return plan;
}

// A windowed-sinc low-pass (Blackman window) below the lower rate's Nyquist frequency, taken at
// every factor-th sample only.
std::vector<float> broughtDown(std::span<const float> signal, int factor)
{
    if (factor == 1)
        return {signal.begin(), signal.end()};
    const int half = kTapsPerFactor * factor / 2;
    const double cutoff = 0.45 / factor; // cycles a sample
    std::vector<double> taps(2 * half + 1);
    double sum = 0.0;
    for (int k = -half; k <= half; ++k) {
        const double x = 2 * cutoff * k;
        const double sinc = k == 0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
        const double phase = std::numbers::pi * (k + half) / half;
        const double window = 0.42 - 0.5 * std::cos(phase) + 0.08 * std::cos(2 * phase);
        sum += taps[k + half] = sinc * window;
    }
    const auto size = static_cast<long long>(signal.size());
    std::vector<float> low(signal.size() / factor);
    for (std::size_t m = 0; m < low.size(); ++m) {
        const long long centre = static_cast<long long>(m) * factor;
        const long long first = std::max(-static_cast<long long>(half), -centre);
        const long long last = std::min(static_cast<long long>(half), size - 1 - centre);
        double acc = 0.0;
        for (long long k = first; k <= last; ++k)
            acc += taps[k + half] * signal[centre + k];
        low[m] = static_cast<float>(acc / sum);
    }
    return low;
}

// The paper's difference function d(lag) over `window` samples from x, in four sums so that
// the additions overlap.
double difference(const float* x, int window, int lag)
{
    double sums[4] = {};
    int j = 0;
    for (; j + 4 <= window; j += 4) {
        for (int k = 0; k < 4; ++k) {
            const double e = x[j + k] - x[j + k + lag];
            sums[k] += e * e;
        }
    }
    for (; j < window; ++j) {
        const double e = x[j] - x[j + lag];
        sums[0] += e * e;
    }
    return sums[0] + sums[1] + sums[2] + sums[3];
}

// The first lag whose cumulative mean normalized difference falls below the threshold,
// followed down to the bottom of its dip; 0 when none does.
int firstDip(const float* x, const SearchPlan& plan)
{
    double running = 0.0;
    int best = 0;
    double bestValue = kYinThreshold;
    for (int lag = 1; lag <= plan.longestLag; ++lag) {
        const double d = difference(x, plan.longestLag, lag);
        running += d;
        const double normalized = running > 0.0 ? d * lag / running : 1.0;
        if (lag < plan.shortestLag)
            continue;
        if (normalized < bestValue) {
            best = lag;
            bestValue = normalized;
        } else if (best != 0) {
            break;
        }
    }
    return best;
}

// The lag found on the brought-down signal, refined on the signal itself: the deepest d within
// one lower-rate sample of it, and a parabola through it and its two neighbours.
double refinedPeriod(const float* x, int window, int roughLag, int factor)
{
    const int lowest = std::max(2, (roughLag - 1) * factor);
    const int highest = (roughLag + 1) * factor;
    std::vector<double> d(static_cast<std::size_t>(highest - lowest + 3));
    for (int lag = lowest - 1; lag <= highest + 1; ++lag)
        d[lag - lowest + 1] = difference(x, window, lag);
    const auto deepest = std::min_element(d.begin() + 1, d.end() - 1);
    const double before = *(deepest - 1), at = *deepest, after = *(deepest + 1);
    const double curvature = before - 2 * at + after;
    const double shift
        = curvature > 0.0 ? std::clamp(0.5 * (before - after) / curvature, -0.5, 0.5) : 0.0;
    return lowest + (deepest - d.begin() - 1) + shift;
}

bool tooQuiet(const float* x, int window)
{
    double energy = 0.0;
    for (int j = 0; j < window; ++j)
        energy += double(x[j]) * x[j];
    return energy < kQuietestMeanSquare * window;
}

} // namespace

PitchTrack trackPitch(std::span<const float> signal, int sampleRate, LongWork* work)
{
    const SearchPlan plan = searchPlan(sampleRate);
    const std::vector<float> low = broughtDown(signal, plan.factor);
    const int window = plan.longestLag * plan.factor;
    PitchTrack track;
    track.hop = static_cast<std::size_t>(plan.hop) * plan.factor;
    track.firstCentre = static_cast<std::size_t>(window / 2);
    // Each estimate reads the window and the longest lag beyond it, refined two samples further.
    const std::size_t reach = static_cast<std::size_t>(window)
        + static_cast<std::size_t>(plan.longestLag + 2) * plan.factor;
    for (std::size_t start = 0; start + reach <= signal.size(); start += track.hop) {
        if (work && track.periods.size() % 64 == 0) {
            if (work->stopRequested())
                break;
            work->report(static_cast<double>(start) / static_cast<double>(signal.size()), 500);
        }
        const float* x = low.data() + start / plan.factor;
        const int lag = tooQuiet(x, plan.longestLag) ? 0 : firstDip(x, plan);
        track.periods.push_back(
            lag == 0 ? 0.0 : refinedPeriod(signal.data() + start, window, lag, plan.factor));
    }
    return track;
}

} // namespace ondulix
