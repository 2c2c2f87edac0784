#include "wave/chip_depth.h"
#include "wave/formula.h"
#include "wave/harmonic_edit.h"

#include <benchmark/benchmark.h>

using namespace ondulix;

namespace {

// A wave with every harmonic in it, as a hand-drawn one has.
Wave ramp()
{
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = i * 31 - 480;
    return wave;
}

// One step of a drag in the harmonics window: the third set to the pointer's level, the wave
// transformed, rebuilt and rounded. Two heights take turns, so every step changes the wave.
void BM_HarmonicDragStep(benchmark::State& state)
{
    Wave wave = ramp();
    const double levels[] = {decibelsAtHeight(0.2), decibelsAtHeight(0.6)};
    int next = 0;
    for (auto _ : state) {
        wave = withHarmonicLevel(wave, 3, levels[next]);
        next = 1 - next;
        benchmark::DoNotOptimize(wave.data());
    }
}
BENCHMARK(BM_HarmonicDragStep);

// Up in the harmonics window on a harmonic that has nothing: the steps near the floor, where
// rounding may take more than one try.
void BM_HarmonicRaisedFromNothing(benchmark::State& state)
{
    const Wave wave = withoutHarmonic(ramp(), 5);
    for (auto _ : state)
        benchmark::DoNotOptimize(withHarmonicRaised(wave, 5));
}
BENCHMARK(BM_HarmonicRaisedFromNothing);

void BM_RoundToFourBitLevels(benchmark::State& state)
{
    const Wave wave = ramp();
    for (auto _ : state)
        benchmark::DoNotOptimize(onChipLevels(wave, 4));
}
BENCHMARK(BM_RoundToFourBitLevels);

// The formula dialog's Apply over a range: reading the formula once, then 1024 points.
void BM_FormulaOverThirtyTwoLines(benchmark::State& state)
{
    const FormulaRequest request {"(1-t)*sin(2*pi*x) + t*(2*x-1)", 1, 32, FormulaLevel::Normalize};
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateFormula(request));
}
BENCHMARK(BM_FormulaOverThirtyTwoLines)->Unit(benchmark::kMicrosecond);

void BM_FormulaOneWave(benchmark::State& state)
{
    const FormulaRequest request {"sin(2*pi*x) + sin(6*pi*x)/3", 7, 7, FormulaLevel::Normalize};
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateFormula(request));
}
BENCHMARK(BM_FormulaOneWave)->Unit(benchmark::kMicrosecond);

} // namespace
