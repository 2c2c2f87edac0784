#include "sound/harmonics.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace ondulix {

namespace {

constexpr int kSteps = 32;
// Full scale for the spectrum is the largest sample value.
constexpr double kFullScale = 500.0;

// e^(-2 pi i m / 32) for m = 0..31: each term of the transform uses the exponent (k n) mod 32.
const std::array<std::complex<double>, kSteps>& twiddles()
{
    static const auto table = [] {
        std::array<std::complex<double>, kSteps> roots {};
        for (int m = 0; m < kSteps; ++m)
            roots[m] = std::polar(1.0, -2.0 * std::numbers::pi * m / kSteps);
        return roots;
    }();
    return table;
}

} // namespace

Harmonics harmonicsOf(const WaveSteps& wave)
{
    const auto& roots = twiddles();
    Harmonics result;
    double sum = 0.0;
    for (int n = 0; n < kSteps; ++n)
        sum += wave[n];
    result.offset = sum / kSteps / kFullScale;
    for (int k = 1; k <= kHarmonicCount; ++k) {
        std::complex<double> bin;
        for (int n = 0; n < kSteps; ++n)
            bin += static_cast<double>(wave[n]) * roots[(k * n) % kSteps];
        // A real wave splits each harmonic between bins k and 32 - k; the one at 16 has no twin.
        const double share = k == kSteps / 2 ? 1.0 : 2.0;
        result.amplitude[k - 1] = std::abs(bin) * share / kSteps / kFullScale;
    }
    return result;
}

double decibels(double amplitude)
{
    return 20.0 * std::log10(std::abs(amplitude));
}

} // namespace ondulix
