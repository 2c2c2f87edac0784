#include "wave/spectrum.h"

#include "wave/number_text.h"

#include <cmath>
#include <numbers>

namespace ondulix {

namespace {

// e^(-2 pi i m / 32) for m = 0..31: every term of the transform uses the exponent (h n) mod 32.
const std::array<std::complex<double>, kSampleCount>& roots()
{
    static const auto table = [] {
        std::array<std::complex<double>, kSampleCount> r {};
        for (int m = 0; m < kSampleCount; ++m)
            r[m] = std::polar(1.0, -2.0 * std::numbers::pi * m / kSampleCount);
        return r;
    }();
    return table;
}

} // namespace

Spectrum spectrumOf(const RealWave& wave)
{
    const auto& root = roots();
    Spectrum spectrum;
    double sum = 0.0;
    for (const double x : wave)
        sum += x;
    spectrum.offset = sum / kSampleCount;
    for (int h = 1; h <= kSpectrumHarmonics; ++h) {
        std::complex<double> bin;
        for (int n = 0; n < kSampleCount; ++n)
            bin += wave[n] * root[(h * n) % kSampleCount];
        // A real wave splits each harmonic between bins h and 32 - h; the 16th has no twin.
        const double share = h == kSpectrumHarmonics ? 1.0 : 2.0;
        spectrum.harmonic[h - 1] = bin * share / static_cast<double>(kSampleCount);
    }
    return spectrum;
}

Spectrum spectrumOf(const Wave& wave)
{
    RealWave real {};
    for (int n = 0; n < kSampleCount; ++n)
        real[n] = wave[n];
    return spectrumOf(real);
}

RealWave waveOf(const Spectrum& spectrum)
{
    const auto& root = roots();
    RealWave wave {};
    for (int n = 0; n < kSampleCount; ++n) {
        double x = spectrum.offset;
        // conj(root) is e^(+2 pi i m / 32): the real part of c_h e^(i 2 pi h n / 32).
        for (int h = 1; h <= kSpectrumHarmonics; ++h)
            x += (spectrum.harmonic[h - 1] * std::conj(root[(h * n) % kSampleCount])).real();
        wave[n] = x;
    }
    return wave;
}

double fullScaleFactor(const RealWave* waves, std::size_t count)
{
    double peak = 0.0;
    for (std::size_t w = 0; w < count; ++w) {
        for (const double x : waves[w])
            peak = std::max(peak, std::abs(x));
    }
    // Rounding alone may bring 500.4 back to 500; only what would round beyond is scaled.
    if (!(roundHalfEven(peak) > kSampleMax))
        return 1.0;
    return kSampleMax / peak;
}

Wave fitToFullScale(const RealWave& wave)
{
    const double factor = fullScaleFactor(&wave, 1);
    Wave fitted {};
    for (int n = 0; n < kSampleCount; ++n)
        fitted[n] = roundToIntIn(wave[n] * factor, kSampleMin, kSampleMax);
    return fitted;
}

} // namespace ondulix
