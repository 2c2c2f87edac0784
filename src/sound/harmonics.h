#pragma once

#include "sound/wave_snapshot.h"
#include "wave/spectrum.h"

#include <array>

namespace ondulix {

inline constexpr int kHarmonicCount = kSpectrumHarmonics;

// The wave's spectrum from the discrete Fourier transform of its 32 samples, as amplitudes in
// full scale: a sine of peak 500 has 1.0 at its harmonic.
struct Harmonics
{
    double offset = 0.0; // the mean, harmonic 0; signed
    std::array<double, kHarmonicCount> amplitude {}; // harmonics 1..16
};

Harmonics harmonicsOf(const WaveSteps& wave);

// An amplitude in decibels of full scale; silence gives -infinity.
double decibels(double amplitude);

} // namespace ondulix
