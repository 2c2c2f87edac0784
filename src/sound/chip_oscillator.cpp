#include "sound/chip_oscillator.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr double kPhaseUnits = 4294967296.0; // 2^32, one period
// The program's sample value v stands for v / 1000 of full scale; 32 x v is that within 3% and
// keeps every held frame a whole number, so a held step plays as exactly one value.
constexpr int kToFrame = 32;

std::uint32_t phaseStepFor(double hertz)
{
    const double clamped = std::clamp(hertz, 1.0, ChipOscillator::kFrameRate / 2.0);
    return static_cast<std::uint32_t>(
        std::llround(clamped / ChipOscillator::kFrameRate * kPhaseUnits));
}

} // namespace

ChipOscillator::ChipOscillator()
    : m_phaseStep(phaseStepFor(kDefaultPitch))
{
    static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
}

void ChipOscillator::setPitch(double hertz)
{
    m_phaseStep.store(phaseStepFor(hertz), std::memory_order_relaxed);
}

void ChipOscillator::render(std::span<std::int16_t> frames)
{
    const WaveSteps& wave = m_wave.latest();
    const std::uint32_t phaseStep = m_phaseStep.load(std::memory_order_relaxed);
    const int target = m_on.load(std::memory_order_relaxed) ? kFadeFrames : 0;
    for (std::int16_t& frame : frames) {
        if (m_level < target)
            ++m_level;
        else if (m_level > target)
            --m_level;
        const int full = wave[m_phase >> kStepShift] * kToFrame;
        frame = static_cast<std::int16_t>(full * m_level / kFadeFrames);
        m_phase += phaseStep;
    }
}

} // namespace ondulix
