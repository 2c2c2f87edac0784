// The preview's two threads at once, for two seconds, under ThreadSanitizer: the event side
// publishes waves and tables, changes the pitch and the sweep time, starts and stops the sound,
// the sweep and a note as fast as it can while a second thread renders. The build reports any
// access the two make to the same memory without ordering, and a report ends the program. What the
// renderer hears must hold up too.
#include "sound/chip_oscillator.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <thread>

namespace ondulix {
namespace {

using Clock = std::chrono::steady_clock;
using Frames = std::array<std::int16_t, 480>;

// All 32 steps alike, so that within one render a frame may differ from the one before only by
// a step of the fade, never by a step of the wave, unless the wave was torn between two publishes.
// The lines of a table are alike too, so that a sweep plays one value until the next render.
WaveSteps flat(int value)
{
    WaveSteps steps;
    steps.fill(static_cast<std::int16_t>(value));
    return steps;
}

bool playsOneWholeWave(const Frames& frames)
{
    constexpr int kFadeStep = 32 * 500 / ChipOscillator::kFadeFrames + 1;
    return std::adjacent_find(frames.begin(), frames.end(), [](int before, int after) {
        return std::abs(after - before) > kFadeStep || after < 0;
    }) == frames.end();
}

TEST(OscillatorThreads, EventSideAndRendererRaceWithoutAFault)
{
    // Published only at the end: the loop's waves and tables stay below it.
    constexpr int kLast = 321;
    ChipOscillator oscillator;
    std::atomic<bool> heardLast {false};
    std::atomic<int> renders {0};
    int torn = 0;
    std::thread renderer([&] {
        Frames frames {};
        // Every frame at 32 x kLast can only be that wave at full level: a fade never holds.
        while (!heardLast.load(std::memory_order_acquire)) {
            oscillator.render(frames);
            ++renders;
            torn += !playsOneWholeWave(frames);
            heardLast
                = std::all_of(frames.begin(), frames.end(), [](int f) { return f == 32 * kLast; });
        }
    });
    int publishes = 0;
    TableSteps table;
    int notesFrom = 0;
    const auto halfway = Clock::now() + std::chrono::seconds(1);
    for (const auto end = halfway + std::chrono::seconds(1); Clock::now() < end; ++publishes) {
        oscillator.publish(flat(publishes % (kLast - 2) + 1));
        table.count = publishes % 32 + 1;
        table.wave.fill(flat(publishes % (kLast - 2) + 2));
        oscillator.publishTable(table);
        if (notesFrom == 0 && publishes % 11 == 0)
            oscillator.isSweeping() ? oscillator.stopSweep() : oscillator.startSweep();
        if (publishes % 5 == 0)
            oscillator.setSweepTime(0.5 * (1 + publishes % 16));
        if (publishes % 7 == 0)
            oscillator.setPitch(55.0 * (1 + publishes % 32));
        if (publishes % 13 == 0)
            oscillator.isOn() ? oscillator.stop() : oscillator.start();
        // Notes in the second second alone, once the renderer has left the sweep: a note in a
        // sweep switches from the table to the wave within a render, by design.
        if (notesFrom == 0 && Clock::now() > halfway) {
            oscillator.stopSweep();
            for (const int seen = renders.load(); renders.load() < seen + 2;)
                std::this_thread::yield();
            notesFrom = publishes;
        }
        if (notesFrom != 0 && publishes % 17 == 0)
            publishes % 2 ? oscillator.endNote() : oscillator.playNote(55.0 * (1 + publishes % 24));
    }
    oscillator.publish(flat(kLast));
    table.wave.fill(flat(kLast));
    oscillator.publishTable(table);
    oscillator.endNote();
    oscillator.start();
    renderer.join(); // ends once the last wave is heard; ctest's timeout bounds it otherwise

    EXPECT_EQ(torn, 0);
    // Both sides ran long enough to meet often.
    EXPECT_GT(publishes, 1000);
    EXPECT_GT(renders, 100);
}

} // namespace
} // namespace ondulix
