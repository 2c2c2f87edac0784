#include "sound/harmonics.h"

#include <cmath>

namespace ondulix {

namespace {

// Full scale for the spectrum is the largest sample value.
constexpr double kFullScale = 500.0;

} // namespace

Harmonics harmonicsOf(const WaveSteps& wave)
{
    RealWave real {};
    for (int n = 0; n < kSampleCount; ++n)
        real[n] = wave[n];
    const Spectrum spectrum = spectrumOf(real);
    Harmonics result;
    result.offset = spectrum.offset / kFullScale;
    for (int k = 0; k < kHarmonicCount; ++k)
        result.amplitude[k] = std::abs(spectrum.harmonic[k]) / kFullScale;
    return result;
}

double decibels(double amplitude)
{
    return 20.0 * std::log10(std::abs(amplitude));
}

} // namespace ondulix
