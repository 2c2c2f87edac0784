#include "sound/chip_oscillator.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>
#include <utility>
#include <vector>

namespace ondulix {
namespace {

constexpr int kFade = ChipOscillator::kFadeFrames;

// By default step i holds i x 30 - 470: 32 distinct values, none zero, so a frame names its
// step. A sample value v plays as the frame 32 v.
WaveSteps wave(int first = -470, int rise = 30)
{
    WaveSteps steps {};
    for (int i = 0; i < 32; ++i)
        steps[i] = static_cast<std::int16_t>(first + i * rise);
    return steps;
}

std::vector<std::int16_t> render(ChipOscillator& oscillator, int frames)
{
    std::vector<std::int16_t> out(frames);
    oscillator.render(out);
    return out;
}

// At pitches that divide the frame rate each step lasts whole frames: a period is the 32 steps
// in order, each held for a 32nd of it, and the next period starts over.
TEST(ChipOscillator, HoldsEachStepForAThirtySecondOfThePeriodInOrder)
{
    const std::pair<double, int> pitches[] = {{1500.0, 1}, {375.0, 4}, {93.75, 16}};
    for (const auto& [pitch, framesPerStep] : pitches) {
        ChipOscillator oscillator;
        oscillator.publish(wave());
        oscillator.setPitch(pitch);
        oscillator.start();
        const auto frames = render(oscillator, kFade + 4 * 32 * framesPerStep);
        for (int j = kFade; j < static_cast<int>(frames.size()); ++j)
            ASSERT_EQ(frames[j], 32 * wave()[(j / framesPerStep) % 32]) << pitch << " Hz, " << j;
    }
}

// A new wave is heard from the next frame on, at the phase the old one reached (here in the
// middle of a step): as if the new wave had played all along.
TEST(ChipOscillator, PhaseRunsOnWithoutAJumpWhenTheWaveChanges)
{
    ChipOscillator switched;
    ChipOscillator steady;
    for (ChipOscillator* oscillator : {&switched, &steady}) {
        oscillator->setPitch(375.0);
        oscillator->start();
    }
    switched.publish(wave());
    steady.publish(wave(470, -30));
    render(switched, kFade + 50);
    render(steady, kFade + 50);
    switched.publish(wave(470, -30));
    EXPECT_EQ(render(switched, 300), render(steady, 300));
}

// Silent until started; start and stop ramp the level over kFade frames, so that no frame
// jumps by more than one step of the ramp.
TEST(ChipOscillator, FadesInAndOutWithoutAClick)
{
    ChipOscillator oscillator;
    oscillator.publish(wave(500, 0));
    std::vector<std::int16_t> all(10 + 4 * kFade);
    const std::span frames(all);
    oscillator.render(frames.first(10));
    oscillator.start();
    oscillator.render(frames.subspan(10, 2 * kFade));
    oscillator.stop();
    oscillator.render(frames.subspan(10 + 2 * kFade));
    EXPECT_EQ(all[9], 0);
    EXPECT_EQ(all[9 + kFade], 32 * 500);
    EXPECT_EQ(all[9 + 3 * kFade], 0);
    for (std::size_t j = 1; j < all.size(); ++j)
        ASSERT_LE(std::abs(all[j] - all[j - 1]), 32 * 500 / kFade + 1) << "frame " << j;
}

// A sweep of two lines, +400 and -400 throughout, over 0.5 s (24000 frames) each way: the second
// line starts with the first period after the sweep's midpoint, the first again after the
// midpoint on the way back, and never inside a period, whose frame j has its phase j x step
// below one step. The line played is reported by its number in the table. A sweep started again
// starts from the first line.
TEST(ChipOscillator, ASweepChangesLinesOnlyWhereAPeriodStarts)
{
    for (const double pitch : {1500.0, 440.0}) {
        ChipOscillator oscillator;
        TableSteps table;
        table.count = 2;
        table.wave = {wave(400, 0), wave(-400, 0)};
        table.line = {3, 9};
        oscillator.publishTable(table);
        oscillator.setSweepTime(0.5);
        oscillator.setPitch(pitch);
        oscillator.startSweep();
        oscillator.start();
        const auto frames = render(oscillator, 30000);
        EXPECT_EQ(oscillator.sweepLine(), 9);
        const auto more = render(oscillator, 18000);
        EXPECT_EQ(oscillator.sweepLine(), 3);
        std::vector<std::int16_t> all(frames);
        all.insert(all.end(), more.begin(), more.end());
        const auto step = static_cast<std::uint32_t>(std::llround(pitch / 48000 * 4294967296.0));
        std::vector<std::size_t> switches;
        for (std::size_t j = kFade; j < all.size(); ++j) {
            if ((all[j] > 0) != (all[j - 1] > 0))
                switches.push_back(j);
        }
        ASSERT_EQ(switches.size(), 2U) << pitch;
        for (const std::size_t j : switches)
            EXPECT_LT(static_cast<std::uint32_t>(j * step), step) << pitch << " Hz, frame " << j;
        const double period = 48000 / pitch + 1; // in whole frames, at most
        EXPECT_TRUE(switches[0] > 12000 && switches[0] <= 12000 + period) << switches[0];
        EXPECT_TRUE(switches[1] >= 36000 && switches[1] < 36000 + period) << switches[1];
        render(oscillator, 12000); // back on line 9
        oscillator.startSweep();
        EXPECT_GT(render(oscillator, 200).back(), 0) << "a new sweep starts on the first line";
    }
}

// The event thread publishes waves of 32 equal values n, n counting up; the renderer on another
// thread only ever sees whole waves, never older than the last it saw, and at last the newest.
TEST(WaveSnapshot, ReaderOnAnotherThreadSeesOnlyWholeWavesInOrder)
{
    WaveSnapshot snapshot;
    std::atomic<bool> written {false};
    std::thread writer([&] {
        for (int n = 1; n <= 20000; ++n)
            snapshot.publish(wave(n, 0));
        written = true;
    });
    int last = 0;
    for (bool finished = false; !finished;) {
        finished = written;
        const WaveSteps& seen = snapshot.latest();
        if (std::count(seen.begin(), seen.end(), seen[0]) != 32 || seen[0] < last)
            break;
        last = seen[0];
    }
    writer.join();
    EXPECT_EQ(last, 20000);
}

} // namespace
} // namespace ondulix
