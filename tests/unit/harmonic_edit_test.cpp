#include "wave/harmonic_edit.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;

namespace {

// peak x sin(2 pi h n / 32) (or the cosine), plus a second such partial when given.
RealWave partials(int h, double peak, bool cosine = false, int h2 = 1, double peak2 = 0)
{
    RealWave wave {};
    for (int n = 0; n < kSampleCount; ++n) {
        const double at = 2 * std::numbers::pi * n / kSampleCount;
        wave[n] = peak * (cosine ? std::cos(h * at) : std::sin(h * at)) + peak2 * std::sin(h2 * at);
    }
    return wave;
}

// Within 1 of the real wave: the starting wave's own rounding may move a sample either way.
void expectWithinOne(const Wave& wave, const RealWave& real)
{
    for (int n = 0; n < kSampleCount; ++n)
        EXPECT_NEAR(wave[n], real[n], 1.0) << "sample " << n;
}

const Wave kSine = fitToFullScale(partials(1, 500)); // rounded, as it is within full scale

TEST(HarmonicEdit, SetOnSilenceGivesASineOfThatHarmonicAndForTheSixteenthACosine)
{
    const std::tuple<int, double, RealWave> cases[] = {{1, 0.0, partials(1, 500)},
        {3, -6.0, partials(3, 500 * std::pow(10, -6.0 / 20))}, {15, -20.0, partials(15, 50)},
        {16, -12.0, partials(16, 500 * std::pow(10, -12.0 / 20), true)}};
    for (const auto& [harmonic, decibels, shape] : cases)
        EXPECT_EQ(withHarmonicLevel(Wave {}, harmonic, decibels), fitToFullScale(shape))
            << harmonic;
}

TEST(HarmonicEdit, KeepsPhasesSoThatAWaveSetToItsOwnLevelsComesBackWhole)
{
    Wave ragged {};
    for (int n = 0; n < kSampleCount; ++n)
        ragged[n] = (7 * n * n) % 981 - 490;
    for (const Wave& wave : {kSine, ragged, Wave {}}) {
        EXPECT_EQ(withHarmonicLevels(wave, {}), wave);
        for (int h = 1; h <= kSpectrumHarmonics; ++h)
            EXPECT_EQ(withHarmonicLevel(wave, h, harmonicDecibels(wave, h)), wave) << h;
    }
    // A third added to the sine starts as a sine too, and leaves the fundamental as it was.
    expectWithinOne(withHarmonicLevel(kSine, 3, 20 * std::log10(1.0 / 3)),
        partials(1, 500, false, 3, 500.0 / 3));
}

TEST(HarmonicEdit, BelowTheFloorRemovesAndKeyStepsAlwaysMoveTheLevel)
{
    const Wave withThird = withHarmonicLevel(kSine, 3, -20.0);
    for (const Wave& removed : {withHarmonicLevel(withThird, 3, -60.01),
             withHarmonicLevel(withThird, 3, NAN), withoutHarmonic(withThird, 3)})
        expectWithinOne(removed, partials(1, 500)); // the third's 50 would not fit within one
    EXPECT_NEAR(harmonicDecibels(withHarmonicLowered(withThird, 3), 3), -21.0, 0.1);
    EXPECT_NEAR(harmonicDecibels(withHarmonicRaised(withThird, 3), 3), -19.0, 0.1);

    // From nothing, where rounding to whole samples blurs a level by dB, each press of Up
    // still raises the harmonic until it shows, and each press of Down lowers it until it goes.
    Wave wave = kSine;
    double level = harmonicDecibels(wave, 5);
    for (int press = 0; press < 70 && (press < 8 || level >= -60.0); ++press) {
        wave = press < 8 ? withHarmonicRaised(wave, 5) : withHarmonicLowered(wave, 5);
        const double now = harmonicDecibels(wave, 5);
        EXPECT_TRUE(press < 8 ? now > level : now < level) << press;
        EXPECT_TRUE(press != 7 || now > -60.0);
        level = now;
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
    expectWithinOne(withoutOffset(lifted), partials(1, 250));
}

TEST(HarmonicEdit, TheScaleRunsFromTopToFloorDownTheView)
{
    for (const auto& [height, decibels] : {std::pair {0.0, 6.0}, {0.5, -27.0}, {1.0, -60.0}})
        EXPECT_EQ(std::pair(decibelsAtHeight(height), heightOfDecibels(decibels)),
            std::pair(decibels, height));
    EXPECT_EQ(std::vector({decibelsAtHeight(-1.0), decibelsAtHeight(1.5), heightOfDecibels(12.0),
                  heightOfDecibels(-61.0), heightOfDecibels(-HUGE_VAL), heightOfDecibels(NAN)}),
        std::vector({6.0, -93.0, 0.0, 1.0, 1.0, 1.0}));
}

} // namespace
