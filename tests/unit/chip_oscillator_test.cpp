#include "sound/chip_oscillator.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace ondulix {
namespace {

constexpr int kFade = ChipOscillator::kFadeFrames;

// Step i holds (i x 30) - 470: 32 distinct values, none zero, so a frame names its step.
WaveSteps distinctSteps()
{
    WaveSteps wave {};
    for (int i = 0; i < 32; ++i)
        wave[i] = static_cast<std::int16_t>(i * 30 - 470);
    return wave;
}

WaveSteps constantWave(int value)
{
    WaveSteps wave {};
    wave.fill(static_cast<std::int16_t>(value));
    return wave;
}

// A sample value v plays as 32 v, about v / 1000 of the 16-bit full scale.
int fullLevelFrame(int value)
{
    return value * 32;
}

std::vector<std::int16_t> render(ChipOscillator& oscillator, int frames)
{
    std::vector<std::int16_t> out(frames);
    oscillator.render(out);
    return out;
}

struct HeldSteps
{
    double pitch;
    int framesPerStep;
};

class ChipOscillatorSteps : public ::testing::TestWithParam<HeldSteps>
{
};

TEST_P(ChipOscillatorSteps, HoldsEachStepForAThirtySecondOfThePeriodInOrder)
{
    ChipOscillator oscillator;
    oscillator.publish(distinctSteps());
    oscillator.setPitch(GetParam().pitch);
    oscillator.start();
    const auto frames = render(oscillator, 4 * 32 * GetParam().framesPerStep + kFade);
    for (int j = kFade; j < static_cast<int>(frames.size()); ++j) {
        const int step = (j / GetParam().framesPerStep) % 32;
        ASSERT_EQ(frames[j], fullLevelFrame(distinctSteps()[step])) << "frame " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(PitchesThatDivideTheFrameRate, ChipOscillatorSteps,
    ::testing::Values(HeldSteps {1500.0, 1}, HeldSteps {375.0, 4}, HeldSteps {93.75, 16}));

TEST(ChipOscillator, PlaysFourHundredFortyPeriodsASecondByDefault)
{
    ChipOscillator oscillator;
    oscillator.publish(distinctSteps());
    oscillator.start();
    const auto frames = render(oscillator, ChipOscillator::kFrameRate + kFade);
    const int firstStep = fullLevelFrame(distinctSteps()[0]);
    int periods = 0;
    for (std::size_t j = kFade + 1; j < frames.size(); ++j) {
        if (frames[j] == firstStep && frames[j - 1] != firstStep)
            ++periods;
    }
    EXPECT_NEAR(periods, 440, 1);
}

TEST(ChipOscillator, PhaseRunsOnWithoutAJumpWhenTheWaveChanges)
{
    WaveSteps other = distinctSteps();
    for (auto& value : other)
        value = static_cast<std::int16_t>(-value);
    ChipOscillator switched;
    ChipOscillator steady;
    for (ChipOscillator* oscillator : {&switched, &steady}) {
        oscillator->setPitch(375.0);
        oscillator->start();
    }
    switched.publish(distinctSteps());
    steady.publish(other);
    render(switched, kFade + 50); // ends in the middle of a step
    render(steady, kFade + 50);
    switched.publish(other);
    EXPECT_EQ(render(switched, 300), render(steady, 300));
}

TEST(ChipOscillator, PitchChangeKeepsThePhase)
{
    ChipOscillator oscillator;
    oscillator.publish(distinctSteps());
    oscillator.setPitch(375.0);
    oscillator.start();
    render(oscillator, 2 * 128 + 20 * 4); // two periods past the fade, then 20 steps of 4 frames
    oscillator.setPitch(1500.0);
    const WaveSteps steps = distinctSteps();
    const std::vector<std::int16_t> next {static_cast<std::int16_t>(fullLevelFrame(steps[20])),
        static_cast<std::int16_t>(fullLevelFrame(steps[21])),
        static_cast<std::int16_t>(fullLevelFrame(steps[22]))};
    EXPECT_EQ(render(oscillator, 3), next);
}

TEST(ChipOscillator, FadesInAndOutWithoutAClick)
{
    ChipOscillator oscillator;
    oscillator.publish(constantWave(500));
    EXPECT_EQ(render(oscillator, 100), std::vector<std::int16_t>(100, 0)) << "silent until started";

    oscillator.start();
    const auto rising = render(oscillator, 2 * kFade);
    oscillator.stop();
    const auto falling = render(oscillator, 2 * kFade);

    const int full = fullLevelFrame(500);
    const int largestStep = full / kFade + 1;
    EXPECT_LE(rising.front(), largestStep);
    EXPECT_EQ(rising[kFade - 1], full);
    EXPECT_EQ(falling[kFade - 1], 0);
    EXPECT_EQ(falling.back(), 0);
    std::vector<std::int16_t> all = rising;
    all.insert(all.end(), falling.begin(), falling.end());
    for (std::size_t j = 1; j < all.size(); ++j)
        ASSERT_LE(std::abs(all[j] - all[j - 1]), largestStep) << "frame " << j;
}

// The event thread publishes waves whose 32 values are all equal and count up; the renderer
// must only ever see whole waves, never older than the last it saw.
TEST(WaveSnapshot, ReaderOnAnotherThreadSeesOnlyWholeWavesInOrder)
{
    WaveSnapshot snapshot;
    constexpr int kWaves = 20000;
    std::thread writer([&] {
        for (int n = 1; n <= kWaves; ++n)
            snapshot.publish(constantWave(n));
    });
    int last = 0;
    bool whole = true;
    bool ordered = true;
    while (last < kWaves) {
        const WaveSteps& wave = snapshot.latest();
        for (auto value : wave)
            whole = whole && value == wave[0];
        ordered = ordered && wave[0] >= last;
        last = wave[0];
        if (!whole || !ordered)
            break;
    }
    writer.join();
    EXPECT_TRUE(whole);
    EXPECT_TRUE(ordered);
    EXPECT_EQ(last, kWaves);
}

} // namespace
} // namespace ondulix
