#pragma once

#include "sound/wave_snapshot.h"

#include <atomic>
#include <cstdint>
#include <span>

namespace ondulix {

// Plays the wave as a wavetable chip does: each of the 32 samples is held for 1/32 of the
// period, with no interpolation, at 48000 frames a second, mono, signed 16-bit. A sample value v
// plays as v / 1000 of full scale, as the program reads its samples.
//
// The event thread publishes waves and sets the pitch and whether it plays; the thread that
// renders (the event thread or an audio thread, as the sound backend chooses) only reads them
// through atomics and the snapshot, so rendering never waits and never allocates.
class ChipOscillator
{
public:
    static constexpr int kFrameRate = 48000;
    static constexpr double kDefaultPitch = 440.0;
    // Starting and stopping ramp the level over 5 ms, short enough to sound immediate and long
    // enough that the jump from or to silence does not click.
    static constexpr int kFadeFrames = kFrameRate / 200;

    ChipOscillator();

    // Event thread.
    void publish(const WaveSteps& wave) { m_wave.publish(wave); }
    void setPitch(double hertz);
    void start() { m_on.store(true, std::memory_order_relaxed); }
    void stop() { m_on.store(false, std::memory_order_relaxed); }
    bool isOn() const { return m_on.load(std::memory_order_relaxed); }

    // Rendering thread. The phase runs on from one call to the next and across a change of the
    // wave or the pitch, so a new wave never jumps to the start of a period.
    void render(std::span<std::int16_t> frames);

private:
    // The phase is a fraction of a period in 32 bits; its top 5 bits are the step being held.
    static constexpr int kStepShift = 27;

    WaveSnapshot m_wave;
    std::atomic<std::uint32_t> m_phaseStep;
    std::atomic<bool> m_on {false};
    std::uint32_t m_phase = 0;
    int m_level = 0; // 0 (silent) .. kFadeFrames (full)
};

} // namespace ondulix
