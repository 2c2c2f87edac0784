#pragma once

#include <algorithm>
#include <atomic>

namespace ondulix {

// What long work (decoding a recording, following its pitch) answers to while another thread
// waits on it: a request to stop, which it looks at between blocks, and how far it has got,
// in thousandths.
class LongWork
{
public:
    bool stopRequested() const { return m_stop.load(std::memory_order_relaxed); }
    void requestStop() { m_stop.store(true, std::memory_order_relaxed); }

    int permille() const { return m_permille.load(std::memory_order_relaxed); }
    // `done` of the work's part from `from` to `to` thousandths.
    void report(double done, int from = 0, int to = 1000)
    {
        m_permille.store(from + static_cast<int>(std::clamp(done, 0.0, 1.0) * (to - from)),
            std::memory_order_relaxed);
    }

private:
    std::atomic<bool> m_stop {false};
    std::atomic<int> m_permille {0};
};

} // namespace ondulix
