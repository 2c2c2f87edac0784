#pragma once

#include <array>
#include <atomic>

namespace ondulix {

// Hands the latest value from the event thread to whichever thread renders the sound, without a
// lock and without allocating: a triple buffer. The writer fills its own slot and swaps it with
// the shared one; the reader swaps the shared slot for its own only when something new arrived.
// Neither ever waits for the other, and neither sees a half-written value.
//
// Threads: one writer thread calls publish() (the event thread), one reader thread calls
// latest() (the thread that renders). Each keeps the index of its own slot in a plain member
// that only it touches; the two meet only in `m_shared`, the index of the slot between them and
// a bit saying whether the writer put it there since the reader last took it.
//
// Memory order: a slot changes hands through an exchange on `m_shared`, and both exchanges are
// acq_rel because a slot travels both ways. Release publishes what a thread did to the slot it
// hands over: the writer's values, or the reader's last reads of its old slot. Acquire makes
// what the other side did before its own exchange happen before what this side does next with
// the slot it takes: the reader sees every value the writer put in, and the writer overwrites a
// slot only after the reader has finished reading it. Without the acquire half on the writer's
// side, filling a slot could race with the reader's last pass over it.
template <typename Value> class TripleBuffer
{
public:
    TripleBuffer() { static_assert(std::atomic<unsigned>::is_always_lock_free); }

    // Writer thread.
    void publish(const Value& value)
    {
        m_slots[m_writing] = value;
        const unsigned previous
            = m_shared.exchange(m_writing | kFreshBit, std::memory_order_acq_rel);
        m_writing = previous & kSlotMask;
    }

    // Reader thread. The newest value published, or the one read last when nothing new came.
    // The reference stays valid and unchanged until this thread calls latest() again.
    const Value& latest()
    {
        // Relaxed: this load only decides whether to swap, and gives access to no slot. A stale
        // answer keeps the old value for one more call; the exchange below does the ordering.
        if (m_shared.load(std::memory_order_relaxed) & kFreshBit) {
            const unsigned previous = m_shared.exchange(m_reading, std::memory_order_acq_rel);
            m_reading = previous & kSlotMask;
        }
        return m_slots[m_reading];
    }

private:
    static constexpr unsigned kSlotMask = 3U;
    static constexpr unsigned kFreshBit = 4U;

    std::array<Value, 3> m_slots {};
    std::atomic<unsigned> m_shared {1};
    unsigned m_writing = 0; // writer thread only
    unsigned m_reading = 2; // reader thread only
};

} // namespace ondulix
