// The preview's two threads at once, for a few seconds, under ThreadSanitizer: the event side
// publishes waves, changes the pitch, starts and stops, as fast as it can, while a second thread
// renders. The build reports any access the two make to the same memory without ordering, and a
// report ends the program. What the renderer hears must hold up too.
#include "sound/chip_oscillator.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace ondulix {
namespace {

using namespace std::chrono_literals;

constexpr int kLastValue = 321;

// All 32 steps the same value, 1..500: within one render every frame plays the same wave, so a
// frame can differ from the one before only by a step of the fade, never by a step of the wave.
WaveSteps flat(int value)
{
    WaveSteps steps;
    steps.fill(static_cast<std::int16_t>(value));
    return steps;
}

// Why a render of flat waves is wrong, or nothing: a frame outside 0..full scale, or a jump
// larger than the fade's step, which only a wave torn between two publishes would give.
std::string faultIn(const std::array<std::int16_t, 480>& frames)
{
    constexpr int kFadeStep = 32 * 500 / ChipOscillator::kFadeFrames + 1;
    for (std::size_t j = 0; j < frames.size(); ++j) {
        if (frames[j] < 0 || frames[j] > 32 * 500)
            return "frame " + std::to_string(frames[j]) + " outside the waves published";
        if (j > 0 && std::abs(frames[j] - frames[j - 1]) > kFadeStep)
            return "a jump from " + std::to_string(frames[j - 1]) + " to "
                + std::to_string(frames[j]) + " inside one render";
    }
    return {};
}

TEST(OscillatorThreads, EventSideAndRendererRaceForSecondsWithoutAFault)
{
    ChipOscillator oscillator;
    std::atomic<bool> finished {false};
    std::atomic<bool> heardLast {false};
    int renders = 0;
    std::string fault;
    std::thread renderer([&] {
        std::array<std::int16_t, 480> frames {};
        while (!finished.load(std::memory_order_acquire)) {
            oscillator.render(frames);
            ++renders;
            if (fault.empty())
                fault = faultIn(frames);
            // Every frame at 32 x 321 can only be that wave at full level: a fade never holds.
            if (std::all_of(frames.begin(), frames.end(),
                    [](std::int16_t frame) { return frame == 32 * kLastValue; }))
                heardLast.store(true, std::memory_order_release);
        }
    });

    int publishes = 0;
    for (const auto until = std::chrono::steady_clock::now() + 2s;
         std::chrono::steady_clock::now() < until; ++publishes) {
        oscillator.publish(flat(publishes % 500 + 1 == kLastValue ? 1 : publishes % 500 + 1));
        if (publishes % 7 == 0)
            oscillator.setPitch(55.0 * (1 + publishes % 32));
        if (publishes % 13 == 0)
            oscillator.isOn() ? oscillator.stop() : oscillator.start();
    }
    // The newest wave reaches the renderer, and is heard at full level.
    oscillator.publish(flat(kLastValue));
    oscillator.start();
    for (const auto until = std::chrono::steady_clock::now() + 5s;
         !heardLast.load(std::memory_order_acquire) && std::chrono::steady_clock::now() < until;)
        std::this_thread::sleep_for(1ms);
    finished.store(true, std::memory_order_release);
    renderer.join();

    EXPECT_EQ(fault, "");
    EXPECT_TRUE(heardLast) << "the last wave published was never heard";
    // Both sides ran long enough to meet often.
    EXPECT_GT(publishes, 1000);
    EXPECT_GT(renders, 100);
}

} // namespace
} // namespace ondulix
