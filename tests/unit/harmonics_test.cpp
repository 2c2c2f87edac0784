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

// Amplitudes are of full scale (a sample value of 500); NAN expects a harmonic below -60 dB.
TEST(Harmonics, OfWavesWithKnownSpectra)
{
    const struct
    {
        const char* name;
        WaveSteps wave;
        double offset;
        double tolerance;
        std::function<double(int)> amplitude; // of harmonic k, 1..16
    } cases[] = {
        // Odd harmonics only, each 1 / (8 sin(pi k / 32)): the sampled form of 4 / (pi k).
        {"square", waveOf([](int n) { return n < 16 ? 500 : -500; }), 0.0, 1e-9,
            [](int k) { return k % 2 == 1 ? 1.0 / (8.0 * std::sin(pi * k / 32.0)) : 0.0; }},
        // Rounding the samples to whole values leaves the other harmonics below the scale.
        {"sine, third harmonic", waveOf([](int n) { return 500.0 * std::sin(3 * pi * n / 16); }),
            0.0, 2e-3, [](int k) { return k == 3 ? 1.0 : NAN; }},
        {"shifted cosine", waveOf([](int n) { return 250.0 * std::cos(pi * n / 16 + 1.0); }), 0.0,
            2e-3, [](int k) { return k == 1 ? 0.5 : NAN; }},
        {"negative constant", waveOf([](int) { return -100; }), -0.2, 1e-12,
            [](int) { return 0.0; }},
        // The highest harmonic has no twin among the transform's bins.
        {"alternating", waveOf([](int n) { return n % 2 == 0 ? 500 : -500; }), 0.0, 1e-9,
            [](int k) { return k == 16 ? 1.0 : 0.0; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Harmonics harmonics = harmonicsOf(c.wave);
        EXPECT_NEAR(harmonics.offset, c.offset, c.tolerance);
        for (int k = 1; k <= kHarmonicCount; ++k) {
            if (std::isnan(c.amplitude(k)))
                EXPECT_LT(decibels(harmonics.amplitude[k - 1]), -60.0) << "harmonic " << k;
            else
                EXPECT_NEAR(harmonics.amplitude[k - 1], c.amplitude(k), c.tolerance) << k;
        }
    }
}

} // namespace
} // namespace ondulix
