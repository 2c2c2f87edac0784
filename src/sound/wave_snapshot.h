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
// Neither ever waits for the other, and neither sees a half-written wave.
//
// Threads: one writer thread calls publish() (the event thread), one reader thread calls
// latest() (the thread that renders). Each keeps the index of its own slot in a plain member
// that only it touches; the two meet only in `m_shared`, the index of the slot between them and
// a bit saying whether the writer put it there since the reader last took it.
//
// Memory order: a slot changes hands through an exchange on `m_shared`, and both exchanges are
// acq_rel because a slot travels both ways. Release publishes what a thread did to the slot it
// hands over: the writer's 32 values, or the reader's last reads of its old slot. Acquire makes
// what the other side did before its own exchange happen before what this side does next with
// the slot it takes: the reader sees every value of the new wave, and the writer overwrites a
// slot only after the reader has finished reading it. Without the acquire half on the writer's
// side, filling a slot could race with the reader's last pass over it.
class WaveSnapshot
{
public:
    WaveSnapshot();

    // Writer thread.
    void publish(const WaveSteps& wave);

    // Reader thread. The newest wave published, or the one read last when nothing new came.
    // The reference stays valid and unchanged until this thread calls latest() again.
    const WaveSteps& latest();

private:
    static constexpr unsigned kSlotMask = 3U;
    static constexpr unsigned kFreshBit = 4U;

    std::array<WaveSteps, 3> m_slots {};
    std::atomic<unsigned> m_shared {1};
    unsigned m_writing = 0; // writer thread only
    unsigned m_reading = 2; // reader thread only
};

} // namespace ondulix
