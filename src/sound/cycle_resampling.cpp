#include "sound/cycle_resampling.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ondulix {

namespace {

// Enough points that harmonics far beyond the 15th cannot alias onto it when the cycle of a
// recording is read between its samples.
constexpr int kFewestPointsOfACycle = 64;

// Catmull-Rom through the four samples around `at`; samples beyond the ends repeat the ends.
double sampleBetween(std::span<const float> signal, double at)
{
    const auto last = static_cast<long long>(signal.size()) - 1;
    const double whole = std::floor(at);
    const double t = at - whole;
    const auto base = static_cast<long long>(whole);
    const auto x = [&](long long i) { return double(signal[std::clamp(i, 0LL, last)]); };
    const double p0 = x(base - 1), p1 = x(base), p2 = x(base + 1), p3 = x(base + 2);
    return p1
        + 0.5 * t * (p2 - p0 + t * (2 * p0 - 5 * p1 + 4 * p2 - p3 + t * (3 * (p1 - p2) + p3 - p0)));
}

} // namespace

CycleResampler::CycleResampler(int length)
    : m_length(length)
{
    if (length == kSampleCount)
        return;
    m_roots.resize(static_cast<std::size_t>(length));
    for (int m = 0; m < length; ++m)
        m_roots[m] = std::polar(1.0, -2.0 * std::numbers::pi * m / length);
}

RealWave CycleResampler::operator()(std::span<const float> cycle, double gain) const
{
    RealWave points {};
    if (m_length == kSampleCount) {
        for (int n = 0; n < kSampleCount; ++n)
            points[n] = cycle[n] * gain;
        return points;
    }
    Spectrum spectrum;
    double sum = 0.0;
    for (const float x : cycle)
        sum += x;
    spectrum.offset = sum * gain / m_length;
    // A cycle of L samples holds harmonics up to L / 2; at exactly L / 2 (L even) it has no twin
    // bin, as the 16th has none at 32 points.
    const int highest = std::min(kKeptHarmonics, m_length / 2);
    for (int h = 1; h <= highest; ++h) {
        std::complex<double> bin;
        int index = 0;
        for (const float x : cycle) {
            bin += static_cast<double>(x) * m_roots[index];
            index = index + h >= m_length ? index + h - m_length : index + h;
        }
        const double share = 2 * h == m_length ? 1.0 : 2.0;
        spectrum.harmonic[h - 1] = bin * (share * gain / m_length);
    }
    return waveOf(spectrum);
}

CycleStretcher::CycleStretcher(int length)
    : m_length(length)
{
    m_roots.resize(static_cast<std::size_t>(length));
    for (int m = 0; m < length; ++m)
        m_roots[m] = std::polar(1.0, 2.0 * std::numbers::pi * m / length);
}

void CycleStretcher::operator()(const Wave& wave, std::vector<double>& points) const
{
    const Spectrum spectrum = spectrumOf(wave);
    for (int n = 0; n < m_length; ++n) {
        double x = spectrum.offset;
        int index = n;
        for (int h = 1; h <= kKeptHarmonics; ++h) {
            x += (spectrum.harmonic[h - 1] * m_roots[index]).real();
            index = index + n >= m_length ? index + n - m_length : index + n;
        }
        points.push_back(x);
    }
}

RealWave resampleCycle(std::span<const float> cycle, double gain)
{
    return CycleResampler(static_cast<int>(cycle.size()))(cycle, gain);
}

namespace {

// The sum of `signal` over [from, to), a sample i standing for [i, i + 1); nothing outside it.
double integral(std::span<const float> signal, double from, double to)
{
    const double size = static_cast<double>(signal.size());
    from = std::clamp(from, 0.0, size);
    to = std::clamp(to, 0.0, size);
    double sum = 0.0;
    for (auto i = static_cast<std::size_t>(from); static_cast<double>(i) < to; ++i) {
        const double left = std::max(from, static_cast<double>(i));
        const double right = std::min(to, static_cast<double>(i) + 1.0);
        sum += signal[i] * (right - left);
    }
    return sum;
}

} // namespace

RealWave meanCycleAt(std::span<const float> signal, double start, double period, double gain)
{
    RealWave points {};
    const double width = period / kSampleCount;
    for (int k = 0; k < kSampleCount; ++k) {
        const double from = start + k * width;
        points[k] = gain * integral(signal, from, from + width) / width;
    }
    return points;
}

RealWave resampleCycleAt(std::span<const float> signal, double start, double period, double gain)
{
    const int points = std::max(kFewestPointsOfACycle, static_cast<int>(std::ceil(period)));
    std::vector<float> cycle(static_cast<std::size_t>(points));
    for (int m = 0; m < points; ++m)
        cycle[m] = static_cast<float>(sampleBetween(signal, start + period * m / points));
    return CycleResampler(points)(cycle, gain);
}

} // namespace ondulix
