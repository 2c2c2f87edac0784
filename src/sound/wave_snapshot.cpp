#include "sound/wave_snapshot.h"

namespace ondulix {

WaveSnapshot::WaveSnapshot()
{
    static_assert(std::atomic<unsigned>::is_always_lock_free);
}

void WaveSnapshot::publish(const WaveSteps& wave)
{
    m_slots[m_writing] = wave;
    // Release: the reader that takes this slot sees every value written into it.
    const unsigned previous = m_shared.exchange(m_writing | kFreshBit, std::memory_order_acq_rel);
    m_writing = previous & kSlotMask;
}

const WaveSteps& WaveSnapshot::latest()
{
    if (m_shared.load(std::memory_order_relaxed) & kFreshBit) {
        const unsigned previous = m_shared.exchange(m_reading, std::memory_order_acq_rel);
        m_reading = previous & kSlotMask;
    }
    return m_slots[m_reading];
}

} // namespace ondulix
