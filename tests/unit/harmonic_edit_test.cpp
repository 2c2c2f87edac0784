#include "wave/harmonic_edit.h"
#include "wave/number_text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;

namespace {

Wave rounded(double (*shape)(int n))
{
    Wave wave {};
    for (int n = 0; n < kSampleCount; ++n)
        wave[n] = static_cast<int>(roundHalfEven(shape(n)));
    return wave;
}

double angle(int harmonic, int n)
{
    return 2 * std::numbers::pi * harmonic * n / kSampleCount;
}

const Wave kSine = rounded([](int n) { return 500 * std::sin(angle(1, n)); });

TEST(HarmonicEdit, ALevelSetOnSilenceIsASineOfThatHarmonicAndTheSixteenthACosine)
{
    const std::tuple<int, double, double (*)(int)> cases[] = {
        {1, 0.0, [](int n) { return 500 * std::sin(angle(1, n)); }},
        {3, -6.0, [](int n) { return 500 * std::pow(10, -6.0 / 20) * std::sin(angle(3, n)); }},
        {15, -20.0, [](int n) { return 50 * std::sin(angle(15, n)); }},
        {16, -12.0, [](int n) { return 500 * std::pow(10, -12.0 / 20) * std::cos(angle(16, n)); }},
    };
    for (const auto& [harmonic, decibels, shape] : cases)
        EXPECT_EQ(withHarmonicLevel(Wave {}, harmonic, decibels), rounded(shape)) << harmonic;
}

// Every sample within 1 of the real wave: the rounding of the starting wave's own samples may
// move a sample by one either way.
void expectWithinOne(const Wave& wave, double (*shape)(int n))
{
    for (int n = 0; n < kSampleCount; ++n)
        EXPECT_NEAR(wave[n], shape(n), 1.0) << "sample " << n;
}

TEST(HarmonicEdit, KeepsPhasesSoThatAWaveSetToItsOwnLevelsComesBackWhole)
{
    const Wave waves[] = {kSine, rounded([](int n) { return n < 16 ? 500.0 : -500.0; }),
        rounded([](int n) { return (7 * n * n) % 981 - 490.0; }), Wave {}};
    for (const Wave& wave : waves) {
        EXPECT_EQ(withHarmonicLevels(wave, {}), wave);
        for (int h = 1; h <= kSpectrumHarmonics; ++h)
            EXPECT_EQ(withHarmonicLevel(wave, h, harmonicDecibels(wave, h)), wave) << h;
    }
    // A third added to the sine starts as a sine too, and leaves the fundamental as it was.
    expectWithinOne(withHarmonicLevel(kSine, 3, 20 * std::log10(1.0 / 3)),
        [](int n) { return 500 * (std::sin(angle(1, n)) + std::sin(angle(3, n)) / 3); });
}

TEST(HarmonicEdit, BelowTheFloorRemovesAndKeyStepsAlwaysMoveTheLevel)
{
    const Wave withThird = withHarmonicLevel(kSine, 3, -20.0);
    for (const double removing : {-60.01, double(NAN)}) {
        expectWithinOne(withHarmonicLevel(withThird, 3, removing),
            [](int n) { return 500 * std::sin(angle(1, n)); });
        EXPECT_LT(harmonicDecibels(withHarmonicLevel(withThird, 3, removing), 3), -60.0);
    }
    EXPECT_EQ(withoutHarmonic(withThird, 3), withHarmonicLevel(withThird, 3, -61.0));
    EXPECT_NEAR(harmonicDecibels(withHarmonicLowered(withThird, 3), 3), -21.0, 0.1);
    EXPECT_NEAR(harmonicDecibels(withHarmonicRaised(withThird, 3), 3), -19.0, 0.1);

    // From nothing, where rounding to whole samples blurs a level by dB, each press of Up
    // still raises the harmonic until it shows, and each press of Down lowers it until it goes.
    Wave wave = kSine;
    double level = harmonicDecibels(wave, 5);
    for (int press = 0; press < 8; ++press) {
        wave = withHarmonicRaised(wave, 5);
        EXPECT_GT(harmonicDecibels(wave, 5), level) << press;
        level = harmonicDecibels(wave, 5);
    }
    EXPECT_GT(level, -60.0);
    for (int press = 0; press < 70 && level >= -60.0; ++press) {
        wave = withHarmonicLowered(wave, 5);
        EXPECT_LT(harmonicDecibels(wave, 5), level);
        level = harmonicDecibels(wave, 5);
    }
    EXPECT_LT(level, -60.0);
    // A lone harmonic at full scale cannot rise: the wave would be scaled back to where it was.
    const Wave top = withHarmonicLevel(Wave {}, 2, 0.0);
    EXPECT_EQ(withHarmonicRaised(top, 2), top);
}

TEST(HarmonicEdit, AWaveThatWouldPassFullScaleIsScaledDownAndTheOffsetGoes)
{
    // 0 dB of the third on a full sine peaks at 1.54 x 500: the whole wave shrinks, both
    // harmonics alike, where clipping would flatten the peaks and add harmonics.
    const Wave loud = withHarmonicLevel(kSine, 3, 0.0);
    EXPECT_EQ(*std::max_element(loud.begin(), loud.end()), 500);
    EXPECT_NEAR(harmonicDecibels(loud, 1) - harmonicDecibels(loud, 3), 0.0, 0.05);
    EXPECT_LT(harmonicDecibels(loud, 5), -60.0);

    Wave lifted = kSine;
    for (int& sample : lifted)
        sample = sample / 2 + 200;
    Wave halfSine = kSine;
    for (int& sample : halfSine)
        sample /= 2;
    EXPECT_EQ(withoutOffset(lifted), halfSine);
}

TEST(HarmonicEdit, TheScaleRunsFromTopToFloorDownTheView)
{
    const std::pair<double, double> heights[]
        = {{0.0, 6.0}, {0.5, -27.0}, {1.0, -60.0}, {-1.0, 6.0}, {1.5, -93.0}};
    for (const auto& [height, decibels] : heights)
        EXPECT_DOUBLE_EQ(decibelsAtHeight(height), decibels) << height;
    const std::pair<double, double> levels[] = {{6.0, 0.0}, {12.0, 0.0}, {-27.0, 0.5}, {-60.0, 1.0},
        {-61.0, 1.0}, {-INFINITY, 1.0}, {NAN, 1.0}};
    for (const auto& [decibels, height] : levels)
        EXPECT_DOUBLE_EQ(heightOfDecibels(decibels), height) << decibels;
}

} // namespace
