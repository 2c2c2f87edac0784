#pragma once

#include <array>
#include <atomic>
#include <cstdint>

namespace ondulix {

// The 32 sample values as the sound side hears them.
using WaveSteps = std::array<std::int16_t, 32>;

// Hands the latest wave from the event thread to whichever thread renders the sound, without a
// lock and without allocating: a triple buffer. The writer fills its own slot and swaps it with
// the shared one; the reader swaps the shared slot for its own only when something new arrived.
// Neither ever waits for the other, and neither sees a half-written wave. One writer thread and
// one reader thread.
class WaveSnapshot
{
public:
    WaveSnapshot();

    void publish(const WaveSteps& wave);

    // The newest wave published, or the one read last when nothing new came.
    const WaveSteps& latest();

private:
    static constexpr unsigned kSlotMask = 3U;
    static constexpr unsigned kFreshBit = 4U;

    std::array<WaveSteps, 3> m_slots {};
    std::atomic<unsigned> m_shared {1};
    unsigned m_writing = 0;
    unsigned m_reading = 2;
};

} // namespace ondulix
