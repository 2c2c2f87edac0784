#include "files/wave_import.h"

#include <benchmark/benchmark.h>
#include <bit>
#include <cmath>
#include <numbers>
#include <random>

namespace {

using namespace ondulix;

constexpr int kRate = 48000;
constexpr int kFrameLength = 2048;
constexpr int kFrames = 256;

// A table whose frames move from a sine towards a saw, as synthesizers' tables do.
std::vector<float> wavetableSamples()
{
    std::vector<float> samples(std::size_t(kFrameLength) * kFrames);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double phase = 2 * std::numbers::pi * (i % kFrameLength) / kFrameLength;
        const double blend = double(i / kFrameLength) / kFrames;
        samples[i]
            = float(0.5 * ((1 - blend) * std::sin(phase) + blend * (phase / std::numbers::pi - 1)));
    }
    return samples;
}

// A played note: 220 Hz with a slow vibrato and a few harmonics that fade.
std::vector<float> recordedNote(double seconds)
{
    std::vector<float> samples(std::size_t(seconds * kRate));
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double t = double(i) / kRate;
        phase += 2 * std::numbers::pi * 220 * (1 + 0.01 * std::sin(2 * std::numbers::pi * 5 * t))
            / kRate;
        const double brightness = std::exp(-t / 3);
        samples[i] = float(0.4
            * (std::sin(phase)
                + brightness * (0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase))));
    }
    return samples;
}

// The logic of a wavetable WAV, once decoded: the marker, the choice of 32 frames, resampling
// and the level.
void BM_ImportWavWavetable2048x256(benchmark::State& state)
{
    const std::string clm = "<!>2048 00000000 wavetable";
    const DecodedAudio audio {
        wavetableSamples(), kRate, std::vector<std::uint8_t>(clm.begin(), clm.end()), {}};
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportWavWavetable2048x256)->Unit(benchmark::kMillisecond);

// A Surge .wt of the same size from its bytes: the hand-written decoding is in it.
void BM_ImportSurgeWavetable2048x256(benchmark::State& state)
{
    std::string bytes = "vawt";
    for (const std::uint32_t field : {std::uint32_t(kFrameLength), std::uint32_t(kFrames)})
        bytes.append(reinterpret_cast<const char*>(&field), field == kFrameLength ? 4 : 2);
    bytes.append(2, '\0');
    for (const float sample : wavetableSamples())
        bytes.append(reinterpret_cast<const char*>(&sample), 4);
    const AudioDecoder none
        = [](Bytes) -> ReadResult<DecodedAudio> { return Refusal {"not audio"}; };
    for (auto _ : state)
        benchmark::DoNotOptimize(importWaves(bytesOf(bytes), none));
}
BENCHMARK(BM_ImportSurgeWavetable2048x256)->Unit(benchmark::kMillisecond);

// Ten seconds at 48 kHz, once decoded: the pitch over time, then 32 cycles cut and resampled.
void BM_ImportRecordingTenSeconds(benchmark::State& state)
{
    const DecodedAudio audio {recordedNote(10), kRate, {}, {}};
    if (refusalIn(importAudio(audio, {})))
        state.SkipWithError("the note was refused");
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportRecordingTenSeconds)->Unit(benchmark::kMillisecond);

// The slowest ten seconds: noise, where every estimate searches all lags and finds none.
void BM_ImportNoiseTenSeconds(benchmark::State& state)
{
    DecodedAudio audio {std::vector<float>(10 * kRate), kRate, {}, {}};
    std::mt19937 random(1);
    std::uniform_real_distribution<float> level(-0.5f, 0.5f);
    for (float& sample : audio.samples)
        sample = level(random);
    for (auto _ : state)
        benchmark::DoNotOptimize(importAudio(audio, {}));
}
BENCHMARK(BM_ImportNoiseTenSeconds)->Unit(benchmark::kMillisecond);

} // namespace
