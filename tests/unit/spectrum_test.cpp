#include "pattern/line_waves.h"
#include "wave/spectrum.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

using namespace ondulix;

namespace {

RealWave cosineWave(int harmonic, double level, double phase)
{
    RealWave wave {};
    for (int n = 0; n < kSampleCount; ++n)
        wave[n] = level * std::cos(2 * std::numbers::pi * harmonic * n / kSampleCount + phase);
    return wave;
}

} // namespace

TEST(Spectrum, EachHarmonicLandsInItsOwnBinWithItsLevelAndPhase)
{
    struct Case
    {
        int harmonic;
        double level;
        double phase;
        std::complex<double> expected;
    };
    const Case cases[] = {
        {1, 500, -std::numbers::pi / 2, {0, -500}}, // a sine from sample 0
        {3, 200, 0, {200, 0}},
        {7, 100, std::numbers::pi / 4, std::polar(100.0, std::numbers::pi / 4)},
        {16, 50, 0, {50, 0}}, // the alternating wave: the 16th has no twin bin
    };
    for (const Case& c : cases) {
        RealWave wave = cosineWave(c.harmonic, c.level, c.phase);
        for (double& x : wave)
            x += 25; // an offset apart from the harmonics
        const Spectrum spectrum = spectrumOf(wave);
        EXPECT_NEAR(spectrum.offset, 25, 1e-9);
        for (int h = 1; h <= kSpectrumHarmonics; ++h) {
            const auto want = h == c.harmonic ? c.expected : std::complex<double>();
            EXPECT_NEAR(std::abs(spectrum.harmonic[h - 1] - want), 0, 1e-9)
                << "harmonic " << h << " of case " << c.harmonic;
        }
        const RealWave back = waveOf(spectrum);
        for (int n = 0; n < kSampleCount; ++n)
            EXPECT_NEAR(back[n], wave[n], 1e-9) << n;
    }
}

TEST(Spectrum, AWaveBeyondFullScaleIsScaledDownNeverClipped)
{
    RealWave loud = cosineWave(1, 750, 0);
    const Wave fitted = fitToFullScale(loud);
    EXPECT_EQ(fitted[0], 500);
    EXPECT_EQ(fitted[16], -500);
    EXPECT_EQ(fitted[8], 0);
    EXPECT_EQ(fitted[4], 354); // 500 cos(pi/4) = 353.55: scaled, where clipping would give 500

    RealWave edge {};
    edge[0] = 500.4; // rounds to 500 and needs no scaling
    edge[1] = 2.5;
    EXPECT_EQ(fitToFullScale(edge)[0], 500);
    EXPECT_EQ(fitToFullScale(edge)[1], 2);

    const RealWave pair[] = {cosineWave(1, 250, 0), cosineWave(1, 1000, 0)};
    EXPECT_DOUBLE_EQ(fullScaleFactor(pair, 2), 0.5);
    EXPECT_DOUBLE_EQ(fullScaleFactor(pair, 1), 1.0);
}

TEST(LineWaves, ALineHoldsASoundOnlyWhenASampleIsNotZero)
{
    PatternTable table;
    EXPECT_EQ(lastLineWithSound(table), 0);
    storeWave(Wave {}, 30, table); // stored, but silent: as a saved and reopened table has it
    Wave quiet {};
    quiet[31] = -1;
    storeWave(quiet, 12, table);
    table.setCell(5, kFirstSampleRow + 3, "0.0001"); // 0.1 of a sample pages as 0
    EXPECT_FALSE(holdsSound(table, 30));
    EXPECT_FALSE(holdsSound(table, 5));
    EXPECT_TRUE(holdsSound(table, 12));
    EXPECT_EQ(lastLineWithSound(table), 12);
}
