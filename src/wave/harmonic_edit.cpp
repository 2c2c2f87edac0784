#include "wave/harmonic_edit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace ondulix {

namespace {

// 0 dB is a sine of full height: a peak of 500 samples.
constexpr double kFullScaleLevel = kSampleMax;
constexpr double kKeyStepDb = 1.0;

bool aboveFloor(double decibels)
{
    return decibels >= kHarmonicScaleFloorDb; // NaN is not
}

// The unit phasor of a harmonic that gets a level: its own phase when it has one worth keeping,
// otherwise a sine from sample 0 (-i in the spectrum's cosine terms), or for the 16th, whose
// sine vanishes at every sample, a cosine.
std::complex<double> directionOf(int harmonic, std::complex<double> coefficient)
{
    const bool had = aboveFloor(decibelsOfLevel(std::abs(coefficient)));
    if (harmonic == kSpectrumHarmonics)
        return had && coefficient.real() < 0 ? -1.0 : 1.0;
    if (had)
        return coefficient / std::abs(coefficient);
    return {0.0, -1.0};
}

void setLevel(Spectrum& spectrum, const HarmonicLevel& level)
{
    std::complex<double>& coefficient = spectrum.harmonic.at(level.harmonic - 1);
    if (!aboveFloor(level.decibels)) {
        coefficient = 0.0;
        return;
    }
    // Above the top no view can set a level, and an infinite one would leave no wave at all.
    const double decibels = std::min(level.decibels, kHarmonicScaleTopDb);
    coefficient = levelOfDecibels(decibels) * directionOf(level.harmonic, coefficient);
}

Wave resynthesised(const Spectrum& spectrum)
{
    return fitToFullScale(waveOf(spectrum));
}

} // namespace

double decibelsOfLevel(double level)
{
    return 20.0 * std::log10(std::abs(level) / kFullScaleLevel);
}

double levelOfDecibels(double decibels)
{
    return kFullScaleLevel * std::pow(10.0, decibels / 20.0);
}

double decibelsAtHeight(double height)
{
    return kHarmonicScaleTopDb
        - std::max(height, 0.0) * (kHarmonicScaleTopDb - kHarmonicScaleFloorDb);
}

double heightOfDecibels(double decibels)
{
    if (!aboveFloor(decibels))
        return 1.0;
    const double height
        = (kHarmonicScaleTopDb - decibels) / (kHarmonicScaleTopDb - kHarmonicScaleFloorDb);
    return std::clamp(height, 0.0, 1.0);
}

double harmonicDecibels(const Wave& wave, int harmonic)
{
    return decibelsOfLevel(std::abs(spectrumOf(wave).harmonic.at(harmonic - 1)));
}

Wave withHarmonicLevels(const Wave& wave, std::span<const HarmonicLevel> levels)
{
    Spectrum spectrum = spectrumOf(wave);
    for (const HarmonicLevel& level : levels)
        setLevel(spectrum, level);
    return resynthesised(spectrum);
}

Wave withHarmonicLevel(const Wave& wave, int harmonic, double decibels)
{
    const HarmonicLevel level {harmonic, decibels};
    return withHarmonicLevels(wave, {&level, 1});
}

Wave withHarmonicRaised(const Wave& wave, int harmonic)
{
    const double before = harmonicDecibels(wave, harmonic);
    for (double target = std::max(before, kHarmonicScaleFloorDb) + kKeyStepDb;
         target <= kHarmonicScaleTopDb; target += kKeyStepDb) {
        Wave raised = withHarmonicLevel(wave, harmonic, target);
        if (harmonicDecibels(raised, harmonic) > before)
            return raised;
    }
    return wave;
}

Wave withHarmonicLowered(const Wave& wave, int harmonic)
{
    const double before = harmonicDecibels(wave, harmonic);
    for (double target = before - kKeyStepDb;; target -= kKeyStepDb) {
        Wave lowered = withHarmonicLevel(wave, harmonic, target);
        if (!aboveFloor(target) || harmonicDecibels(lowered, harmonic) < before)
            return lowered;
    }
}

Wave withoutHarmonic(const Wave& wave, int harmonic)
{
    return withHarmonicLevel(wave, harmonic, -std::numeric_limits<double>::infinity());
}

Wave withoutOffset(const Wave& wave)
{
    Spectrum spectrum = spectrumOf(wave);
    spectrum.offset = 0.0;
    return resynthesised(spectrum);
}

} // namespace ondulix
