#pragma once

#include "wave/spectrum.h"

#include <complex>
#include <span>
#include <vector>

namespace ondulix {

// The harmonics a wave of 32 points keeps from a longer cycle: its offset and harmonics 1..15.
// The 16th is left out too, since its phase cannot be told at 32 points.
inline constexpr int kKeptHarmonics = 15;

// Turns cycles of one length (1..65536 samples) into 32 points. The cycle's offset and harmonics
// 1..15 are kept and the rest dropped, so that nothing aliases; the band-limited cycle is then
// sampled at 32 points, the first at the cycle's start. A cycle of 32 samples already is its 32
// points and is taken whole. `gain` scales the result: 500 makes full-scale audio sample values.
// One resampler serves every frame of a wavetable, so the transform's table is built once.
class CycleResampler
{
public:
    explicit CycleResampler(int length);

    // `cycle` holds `length` samples.
    RealWave operator()(std::span<const float> cycle, double gain) const;

private:
    int m_length;
    std::vector<std::complex<double>> m_roots; // e^(-2 pi i m / length)
};

RealWave resampleCycle(std::span<const float> cycle, double gain);

// The other way, for the places that play longer waves than the 32 points drawn: a wave of 32
// points at `length` points (32..65536), keeping the same offset and harmonics 1..15 that the
// way in keeps, so that nothing the drawing cannot show is added. Sample n of the result is the
// band-limited cycle at n / length of its period. One stretcher serves every line of a table.
class CycleStretcher
{
public:
    explicit CycleStretcher(int length);

    // Appends the `length` points of `wave` to `points`, in the wave's own units.
    void operator()(const Wave& wave, std::vector<double>& points) const;

private:
    int m_length;
    std::vector<std::complex<double>> m_roots; // e^(+2 pi i m / length)
};

// The cycle of a recording, which starts and ends between samples: `period` samples from
// `start`, read between the samples by cubic interpolation at about one point a sample.
RealWave resampleCycleAt(std::span<const float> signal, double start, double period, double gain);

// How a longer cycle comes down to 32 points: Smooth keeps its offset and harmonics 1..15, as
// above; Plain takes each point as the mean of its 1/32 of the cycle, so that a saw stays a
// straight ramp of steps, without the ripple that the harmonics leave, as a chip plays it.
enum class CycleFit
{
    Smooth,
    Plain,
};

// Plain: the mean of `signal`, each sample standing for the whole of its unit of time, over each
// 1/32 of the `period` samples from `start`. No point lies beyond the signal's own peak.
RealWave meanCycleAt(std::span<const float> signal, double start, double period, double gain);

} // namespace ondulix
