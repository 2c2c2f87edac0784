#include "sound/harmonics.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <numbers>

namespace ondulix {
namespace {

using std::numbers::pi;

WaveSteps waveOf(const std::function<double(int)>& value)
{
    WaveSteps wave {};
    for (int n = 0; n < 32; ++n)
        wave[n] = static_cast<std::int16_t>(std::lround(value(n)));
    return wave;
}

struct KnownSpectrum
{
    const char* name;
    WaveSteps wave;
    double offset;
    double tolerance;
    // The expected amplitude of harmonic k (1..16), or NAN for "below -60 dB".
    std::function<double(int)> amplitude;
};

void PrintTo(const KnownSpectrum& spectrum, std::ostream* out)
{
    *out << spectrum.name;
}

class HarmonicsOfKnownWaves : public ::testing::TestWithParam<KnownSpectrum>
{
};

TEST_P(HarmonicsOfKnownWaves, MatchTheirSpectrum)
{
    const Harmonics harmonics = harmonicsOf(GetParam().wave);
    EXPECT_NEAR(harmonics.offset, GetParam().offset, GetParam().tolerance);
    for (int k = 1; k <= kHarmonicCount; ++k) {
        const double expected = GetParam().amplitude(k);
        if (std::isnan(expected))
            EXPECT_LT(decibels(harmonics.amplitude[k - 1]), -60.0) << "harmonic " << k;
        else
            EXPECT_NEAR(harmonics.amplitude[k - 1], expected, GetParam().tolerance)
                << "harmonic " << k;
    }
}

// A square of +-500, half a period each: only odd harmonics, each 1 / (8 sin(pi k / 32)) (the
// sampled form of 4 / (pi k)).
const KnownSpectrum kSquare {"square", waveOf([](int n) { return n < 16 ? 500 : -500; }), 0.0, 1e-9,
    [](int k) { return k % 2 == 1 ? 1.0 / (8.0 * std::sin(pi * k / 32.0)) : 0.0; }};

INSTANTIATE_TEST_SUITE_P(Waves, HarmonicsOfKnownWaves,
    ::testing::Values(kSquare,
        KnownSpectrum {"sine, rounded to whole values",
            waveOf([](int n) { return 500.0 * std::sin(2.0 * pi * 3 * n / 32.0); }), 0.0, 2e-3,
            [](int k) { return k == 3 ? 1.0 : NAN; }},
        KnownSpectrum {"shifted cosine at half scale",
            waveOf([](int n) { return 250.0 * std::cos(2.0 * pi * n / 32.0 + 1.0); }), 0.0, 2e-3,
            [](int k) { return k == 1 ? 0.5 : NAN; }},
        KnownSpectrum {
            "constant", waveOf([](int) { return 250; }), 0.5, 1e-12, [](int) { return 0.0; }},
        KnownSpectrum {"negative constant", waveOf([](int) { return -100; }), -0.2, 1e-12,
            [](int) { return 0.0; }},
        KnownSpectrum {"alternating, the highest harmonic alone",
            waveOf([](int n) { return n % 2 == 0 ? 500 : -500; }), 0.0, 1e-9,
            [](int k) { return k == 16 ? 1.0 : 0.0; }}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(Decibels, AreOfFullScale)
{
    EXPECT_DOUBLE_EQ(decibels(1.0), 0.0);
    EXPECT_NEAR(decibels(0.001), -60.0, 1e-12);
    EXPECT_NEAR(decibels(-0.5), -6.0206, 1e-4);
    EXPECT_EQ(decibels(0.0), -INFINITY);
}

} // namespace
} // namespace ondulix
