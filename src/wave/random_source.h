#pragma once

#include <cstdint>
#include <functional>

namespace ondulix {

// The program's one pseudo-random generator. Draws are single-precision numbers 0 <= r < 1.
// Re-seeding mixes a reading of the clock into the generator's current state rather than
// replacing the state by it: the presets re-seed before every sample, far faster than the clock
// ticks, and re-seeds from one clock reading must still give different draws.
class RandomSource
{
public:
    // A clock reading; only its changing matters, not its unit.
    using Clock = std::function<std::uint64_t()>;

    // The time of day from the system clock, in its own ticks.
    static std::uint64_t timeOfDay();

    explicit RandomSource(Clock clock = timeOfDay);

    void reseedFromClock();
    float draw();

private:
    Clock m_clock;
    std::uint64_t m_state;
};

} // namespace ondulix
