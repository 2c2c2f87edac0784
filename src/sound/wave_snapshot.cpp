#include "sound/wave_snapshot.h"

namespace ondulix {

WaveSnapshot::WaveSnapshot()
{
    static_assert(std::atomic<unsigned>::is_always_lock_free);
}

void WaveSnapshot::publish(const WaveSteps& wave)
{
    m_slots[m_writing] = wave;
    // acq_rel, as the header explains: release hands the filled slot over, acquire takes back a
    // slot the reader has finished with before it is filled next time.
    const unsigned previous = m_shared.exchange(m_writing | kFreshBit, std::memory_order_acq_rel);
    m_writing = previous & kSlotMask;
}

const WaveSteps& WaveSnapshot::latest()
{
    // Relaxed: this load only decides whether to swap, and gives access to no slot. A stale
    // answer keeps the old wave for one more call; the exchange below does the ordering.
    if (m_shared.load(std::memory_order_relaxed) & kFreshBit) {
        const unsigned previous = m_shared.exchange(m_reading, std::memory_order_acq_rel);
        m_reading = previous & kSlotMask;
    }
    return m_slots[m_reading];
}

} // namespace ondulix
