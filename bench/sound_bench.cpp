#include "sound/chip_oscillator.h"
#include "sound/harmonics.h"

#include <array>
#include <benchmark/benchmark.h>

namespace {

ondulix::WaveSteps ramp()
{
    ondulix::WaveSteps wave {};
    for (int i = 0; i < 32; ++i)
        wave[i] = static_cast<std::int16_t>(i * 31 - 500);
    return wave;
}

// 10 ms of output, as the sound thread asks for it.
void BM_OscillatorTenMilliseconds(benchmark::State& state)
{
    ondulix::ChipOscillator oscillator;
    oscillator.publish(ramp());
    oscillator.start();
    std::array<std::int16_t, ondulix::ChipOscillator::kFrameRate / 100> frames {};
    for (auto _ : state) {
        oscillator.render(frames);
        benchmark::DoNotOptimize(frames.data());
    }
}
BENCHMARK(BM_OscillatorTenMilliseconds);

// The same 10 ms in a sweep through 32 lines, with the line looked up at each period's start.
void BM_SweepTenMilliseconds(benchmark::State& state)
{
    ondulix::ChipOscillator oscillator;
    ondulix::TableSteps table;
    table.count = 32;
    table.wave.fill(ramp());
    oscillator.publishTable(table);
    oscillator.startSweep();
    oscillator.start();
    std::array<std::int16_t, ondulix::ChipOscillator::kFrameRate / 100> frames {};
    for (auto _ : state) {
        oscillator.render(frames);
        benchmark::DoNotOptimize(frames.data());
    }
}
BENCHMARK(BM_SweepTenMilliseconds);

void BM_Harmonics(benchmark::State& state)
{
    const ondulix::WaveSteps wave = ramp();
    for (auto _ : state)
        benchmark::DoNotOptimize(ondulix::harmonicsOf(wave));
}
BENCHMARK(BM_Harmonics);

} // namespace
