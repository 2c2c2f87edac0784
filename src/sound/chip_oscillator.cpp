#include "sound/chip_oscillator.h"

#include "sound/sweep_schedule.h"

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

int millisecondsFor(double seconds)
{
    if (!std::isfinite(seconds))
        return 0;
    return static_cast<int>(std::llround(std::clamp(seconds, 0.0, 3600.0) * 1000));
}

} // namespace

ChipOscillator::ChipOscillator()
    : m_phaseStep(phaseStepFor(kDefaultPitch))
    , m_sweepMilliseconds(millisecondsFor(kDefaultSweepTime))
    , m_stepInUse(phaseStepFor(kDefaultPitch))
{
    static_assert(std::atomic<std::uint32_t>::is_always_lock_free);
    static_assert(std::atomic<bool>::is_always_lock_free);
    static_assert(std::atomic<int>::is_always_lock_free);
}

void ChipOscillator::setPitch(double hertz)
{
    m_phaseStep.store(phaseStepFor(hertz), std::memory_order_relaxed);
}

void ChipOscillator::playNote(double hertz)
{
    m_noteStep.store(phaseStepFor(hertz), std::memory_order_relaxed);
}

void ChipOscillator::startSweep()
{
    m_sweepStarts.fetch_add(1, std::memory_order_relaxed);
    m_sweeping.store(true, std::memory_order_relaxed);
}

void ChipOscillator::setSweepTime(double seconds)
{
    m_sweepMilliseconds.store(millisecondsFor(seconds), std::memory_order_relaxed);
}

const WaveSteps& ChipOscillator::stepsPlayed(
    const WaveSteps& wave, const TableSteps* table, bool periodStarts)
{
    if (m_noteInUse || table == nullptr || table->count < 1) {
        m_sweepLine.store(0, std::memory_order_relaxed);
        return wave;
    }
    if (periodStarts) {
        const SweepSchedule schedule(
            table->count, m_sweepMilliseconds.load(std::memory_order_relaxed) / 1000.0, kFrameRate);
        m_sweepIndex = schedule.indexAt(m_sweepFrames);
    }
    // A table published with fewer lines than the index held plays its last until the period ends.
    const int index = std::min(m_sweepIndex, table->count - 1);
    m_sweepLine.store(table->line[index], std::memory_order_relaxed);
    return table->wave[index];
}

void ChipOscillator::followPitch()
{
    const std::uint32_t note = m_noteStep.load(std::memory_order_relaxed);
    m_noteInUse = note != 0;
    m_stepInUse = m_noteInUse ? note : m_phaseStep.load(std::memory_order_relaxed);
}

void ChipOscillator::render(std::span<std::int16_t> frames)
{
    const bool sweeping = m_sweeping.load(std::memory_order_relaxed);
    const TableSteps* table = sweeping ? &m_table.latest() : nullptr;
    if (sweeping) {
        const std::uint32_t starts = m_sweepStarts.load(std::memory_order_relaxed);
        if (starts != m_sweepFollowed) {
            m_sweepFollowed = starts;
            m_sweepFrames = 0;
            m_sweepIndex = 0;
        }
    }
    const bool sounds
        = m_on.load(std::memory_order_relaxed) || m_noteStep.load(std::memory_order_relaxed) != 0;
    const int target = sounds ? kFadeFrames : 0;
    if (m_level == 0)
        followPitch();
    // One wave for the whole call, as the table is: a new one is heard from the next call on.
    const WaveSteps& latest = m_wave.latest();
    const WaveSteps* wave = &stepsPlayed(latest, table, false);
    for (std::int16_t& frame : frames) {
        if (m_level < target)
            ++m_level;
        else if (m_level > target)
            --m_level;
        const int full = (*wave)[m_phase >> kStepShift] * kToFrame;
        frame = static_cast<std::int16_t>(full * m_level / kFadeFrames);
        const std::uint32_t before = m_phase;
        m_phase += m_stepInUse;
        if (table != nullptr)
            ++m_sweepFrames;
        if (m_phase < before) { // a new period starts with the next frame
            followPitch();
            wave = &stepsPlayed(latest, table, true);
        }
    }
}

} // namespace ondulix
