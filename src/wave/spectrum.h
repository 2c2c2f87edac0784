#pragma once

#include "wave/sample_set.h"

#include <array>
#include <complex>

namespace ondulix {

// A wave before it is rounded to whole sample values: what the transforms that work in real
// numbers (the spectrum, morphing, resampling, formulas) hand on.
using RealWave = std::array<double, kSampleCount>;

// 32 points hold the offset and harmonics 1..16; the 16th can only alternate sign.
inline constexpr int kSpectrumHarmonics = kSampleCount / 2;

// The wave as a sum of cosines, in sample units:
//   x[n] = offset + sum over h = 1..16 of |c_h| cos(2 pi h n / 32 + arg c_h).
// So a sine of peak 500 starting at sample 0 has c_1 = 500 e^(-i pi / 2) = -500i. The 16th
// harmonic can only be real: its imaginary part would sit on the zeros of sin(pi n).
struct Spectrum
{
    double offset = 0.0;
    std::array<std::complex<double>, kSpectrumHarmonics> harmonic {}; // [h - 1] is harmonic h
};

Spectrum spectrumOf(const RealWave& wave);
Spectrum spectrumOf(const Wave& wave);
// The inverse: exact for a spectrum taken from 32 points, up to rounding in the last bits.
RealWave waveOf(const Spectrum& spectrum);

// A real wave as whole samples, rounded half to even. A wave that would go beyond +-500 is
// scaled down first, by 500 / its peak, as Normalize scales: never clipped, so its shape stays.
Wave fitToFullScale(const RealWave& wave);

// The factor (at most 1) that brings the largest magnitude of all the waves to 500 when any
// would round beyond +-500; 1 otherwise. For a set of waves that must keep their levels
// relative to each other.
double fullScaleFactor(const RealWave* waves, std::size_t count);

} // namespace ondulix
