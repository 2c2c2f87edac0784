#include "sound/cycle_resampling.h"
#include "sound/recording_cycles.h"
#include "sound/yin_pitch.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <random>

using namespace ondulix;

namespace {

constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr int kRate = 48000;

using Partial = std::array<double, 3>; // harmonic (0 is the offset), level, phase

double sumOf(const std::vector<Partial>& partials, double cycles)
{
    double x = 0.0;
    for (const auto& [harmonic, level, phase] : partials)
        x += level * std::cos(kTwoPi * harmonic * cycles + phase);
    return x;
}

} // namespace

TEST(CycleResampling, KeepsTheOffsetAndHarmonicsUpToTheFifteenthAndDropsTheRest)
{
    const double sine = -std::numbers::pi / 2;
    const std::tuple<int, std::vector<Partial>, std::vector<Partial>> cases[] = {
        // length, the cycle in full scale, and the 32 points in samples
        {2048, {{1, 0.6, sine}, {3, 0.3, 0}}, {{1, 300, sine}, {3, 150, 0}}},
        {2048, {{1, 0.5, 0}, {20, 0.4, 0}}, {{1, 250, 0}}},
        {2048, {{15, 0.2, 1}, {16, 0.2, 0}}, {{15, 100, 1}}},
        {7, {{0, 0.2, 0}, {2, 0.5, 0.3}}, {{0, 100, 0}, {2, 250, 0.3}}},
        {2, {{0, 0.1, 0}, {1, 0.3, 0}}, {{0, 50, 0}, {1, 150, 0}}},
        {1, {{0, 0.4, 0}}, {{0, 200, 0}}},
        {32, {{16, 0.2, 0}, {3, 0.1, 2}}, {{16, 100, 0}, {3, 50, 2}}}, // already its 32 points
    };
    for (const auto& [length, in, out] : cases) {
        std::vector<float> cycle(length);
        for (int n = 0; n < length; ++n)
            cycle[n] = static_cast<float>(sumOf(in, double(n) / length));
        const RealWave points = resampleCycle(cycle, 500);
        for (int m = 0; m < kSampleCount; ++m)
            EXPECT_NEAR(points[m], sumOf(out, m / 32.0), 1e-4) << length << " point " << m;
    }
}

TEST(YinPitch, FindsTheFrequencyOfAToneWithinACentAndNoneInSilenceOrNoise)
{
    for (const double frequency : {110.0, 440.0, 1000.0}) {
        std::vector<float> tone(kRate / 2);
        for (std::size_t i = 0; i < tone.size(); ++i)
            tone[i] = static_cast<float>(0.5 * std::sin(kTwoPi * frequency * i / kRate + 1));
        const PitchTrack track = trackPitch(tone, kRate);
        ASSERT_GT(track.periods.size(), 30u) << frequency;
        for (const double period : track.periods)
            EXPECT_NEAR(1200 * std::log2(kRate / period / frequency), 0, 1.0) << frequency;
    }
    std::vector<float> silence(kRate), noise(kRate);
    std::minstd_rand random(7);
    std::generate(noise.begin(), noise.end(), [&] { return float(random() % 1001) / 1000 - 0.5f; });
    for (const auto* signal : {&silence, &noise}) // a second of either holds a hundred estimates
        EXPECT_FALSE(recordingCycles(*signal, kRate, 500));
}

TEST(RecordingCycles, ASweepFromSineToSquareGivesASineFirstAndASquareLast)
{
    std::vector<float> sweep(kRate);
    for (std::size_t i = 0; i < sweep.size(); ++i) {
        const double sine = std::sin(kTwoPi * 220 * i / kRate), blend = double(i) / kRate;
        sweep[i] = static_cast<float>(0.5 * ((1 - blend) * sine + blend * (sine >= 0 ? 1 : -1)));
    }
    const auto cycles = recordingCycles(sweep, kRate, 500);
    ASSERT_EQ(cycles.value_or(std::vector<RealWave> {}).size(), 32u);
    const Spectrum first = spectrumOf(cycles->front()), last = spectrumOf(cycles->back());
    const auto relative = [](const Spectrum& s, int h) {
        return std::abs(s.harmonic[h - 1]) / std::abs(s.harmonic[0]);
    };
    EXPECT_LT(relative(first, 3), 0.02);
    EXPECT_NEAR(relative(last, 3), 1 / 3.0, 0.02);
    EXPECT_NEAR(relative(last, 5), 1 / 5.0, 0.02);
    EXPECT_LT(relative(last, 2), 0.02); // a whole cycle, no more, no less
    for (const RealWave& cycle : *cycles) { // each starts where the tone rises through zero
        EXPECT_NEAR(cycle[0], 0, 25);
        EXPECT_GT(cycle[4], 100);
    }
}
