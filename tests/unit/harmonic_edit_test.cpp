#include "wave/harmonic_edit.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;

namespace {

// peak x sin(2 pi h n / 32), or the cosine.
RealWave partial(int h, double peak, bool cosine = false)
{
    RealWave wave {};
    for (int n = 0; n < kSampleCount; ++n) {
        const double at = 2 * std::numbers::pi * h * n / kSampleCount;
        wave[n] = peak * (cosine ? std::cos(at) : std::sin(at));
    }
    return wave;
}

const Wave kSine = fitToFullScale(partial(1, 500)); // rounded, as it is within full scale

TEST(HarmonicEdit, ALevelKeepsThePhaseOrStartsAsASineAndTheSixteenthAsACosine)
{
    const std::tuple<int, double, RealWave> cases[] = {{1, 0.0, partial(1, 500)},
        {3, -6.0, partial(3, 500 * std::pow(10, -6.0 / 20))}, {15, -20.0, partial(15, 50)},
        {16, -12.0, partial(16, 500 * std::pow(10, -12.0 / 20), true)}};
    for (const auto& [harmonic, decibels, shape] : cases)
        EXPECT_EQ(withHarmonicLevel(Wave {}, harmonic, decibels), fitToFullScale(shape))
            << harmonic;

    Wave ragged {};
    for (int n = 0; n < kSampleCount; ++n)
        ragged[n] = (7 * n * n) % 981 - 490;
    for (const Wave& wave : {kSine, ragged, Wave {}})
        for (int h = 1; h <= kSpectrumHarmonics; ++h)
            EXPECT_EQ(withHarmonicLevel(wave, h, harmonicDecibels(wave, h)), wave) << h;
}

TEST(HarmonicEdit, BelowTheFloorRemovesAndKeyStepsAlwaysMoveTheLevel)
{
    const Wave withThird = withHarmonicLevel(kSine, 3, -20.0);
    for (const Wave& removed : {withHarmonicLevel(withThird, 3, -60.01),
             withHarmonicLevel(withThird, 3, NAN), withoutHarmonic(withThird, 3)})
        EXPECT_LT(harmonicDecibels(removed, 3), -60.0);
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

TEST(HarmonicEdit, AnEndlessLevelIsFullScaleAndTheOffsetAndScaleAreTheViews)
{
    EXPECT_EQ(withHarmonicLevel(Wave {}, 2, HUGE_VAL), fitToFullScale(partial(2, 500)));

    Wave lifted = kSine;
    for (int& sample : lifted)
        sample = sample / 2 + 200;
    EXPECT_LT(std::abs(spectrumOf(withoutOffset(lifted)).offset), 1.0 / kSampleCount);
    EXPECT_NEAR(harmonicDecibels(withoutOffset(lifted), 1), -6.02, 0.05);

    // The view's scale, from the top (height 0) to the floor (1), and beyond either end.
    EXPECT_EQ(std::vector({decibelsAtHeight(0.0), decibelsAtHeight(0.5), decibelsAtHeight(1.5),
                  decibelsAtHeight(-1.0), heightOfDecibels(-27.0), heightOfDecibels(12.0),
                  heightOfDecibels(-61.0), heightOfDecibels(-HUGE_VAL)}),
        std::vector({6.0, -27.0, -93.0, 6.0, 0.5, 0.0, 1.0, 1.0}));
}

} // namespace
