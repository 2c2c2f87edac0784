#pragma once

#include "sound/table_snapshot.h"
#include "sound/wave_snapshot.h"

#include <atomic>
#include <cstdint>
#include <span>

namespace ondulix {

// Plays the wave as a wavetable chip does: each of the 32 samples is held for 1/32 of the
// period, with no interpolation, at 48000 frames a second, mono, signed 16-bit. A sample value v
// plays as v / 1000 of full scale, as the program reads its samples.
//
// Threads: the event thread publishes waves and sets the pitch and whether it plays; one thread
// at a time renders (the sound thread, or an audio thread of Qt's backend, as the backend
// chooses). The renderer reads what the event thread sets only through the snapshot and two
// atomics, so rendering never waits and never allocates; the phase and the fade level are the
// renderer's alone. Qt 6.4's PulseAudio sink pulls on the sound thread, where streams are also
// opened and closed; a backend that pulls on a thread of its own has stopped pulling when its
// sink's stop() returns, which orders one stream's renders before the next one's.
//
// In a sweep it plays the lines of a table snapshot instead, as a wavetable synthesizer sweeps
// its table (sound/sweep_schedule.h), and a new line starts only at the start of a period, as a
// chip's wave macro switches, so the switch never clicks. A note played from the keys takes over
// from the preview and the sweep in the same way, at the start of a period, and they go on once
// it ends; so does a new pitch. From silence a note or a pitch starts at once.
//
// Memory order: the pitch, the note, the on/off switch, the sweep switch, its time and its start
// count, and the line played are relaxed. Each is one value complete in
// itself, through which no other data is handed over (the wave goes through the snapshot, which
// orders itself), so the only effect of a late view is that the renderer follows one call later,
// a few milliseconds, which no one hears.
class ChipOscillator
{
public:
    static constexpr int kFrameRate = 48000;
    static constexpr double kDefaultPitch = 440.0;
    // Starting and stopping ramp the level over 5 ms, short enough to sound immediate and long
    // enough that the jump from or to silence does not click.
    static constexpr int kFadeFrames = kFrameRate / 200;

    ChipOscillator();

    // Event thread (the one writer of the snapshot).
    void publish(const WaveSteps& wave) { m_wave.publish(wave); }
    void setPitch(double hertz);
    void start() { m_on.store(true, std::memory_order_relaxed); }
    void stop() { m_on.store(false, std::memory_order_relaxed); }
    bool isOn() const { return m_on.load(std::memory_order_relaxed); }
    // The wave at `hertz`, whether the preview is on or not, until endNote().
    void playNote(double hertz);
    void endNote() { m_noteStep.store(0, std::memory_order_relaxed); }

    // Event thread: sweeps through the table published last, from its first line, or plays the
    // wave again. A table of fewer than two lines stays on its first.
    void publishTable(const TableSteps& table) { m_table.publish(table); }
    void startSweep();
    void stopSweep() { m_sweeping.store(false, std::memory_order_relaxed); }
    bool isSweeping() const { return m_sweeping.load(std::memory_order_relaxed); }
    void setSweepTime(double seconds);
    // The line number (1..32) the sweep plays now, or 0 outside a sweep; a few milliseconds late.
    int sweepLine() const { return m_sweepLine.load(std::memory_order_relaxed); }

    // Rendering thread (the one reader of the snapshots). The phase runs on from one call to the
    // next and across a change of the wave or the pitch, so a new wave never jumps to the start of
    // a period.
    void render(std::span<std::int16_t> frames);

private:
    // The steps to hold until the next period starts: the wave, or the sweep's line.
    const WaveSteps& stepsPlayed(const WaveSteps& wave, const TableSteps* table, bool periodStarts);
    // Takes up the pitch and the note asked for: where a period starts, or in silence.
    void followPitch();

    // The phase is a fraction of a period in 32 bits; its top 5 bits are the step being held.
    static constexpr int kStepShift = 27;

    WaveSnapshot m_wave;
    TableSnapshot m_table;
    std::atomic<std::uint32_t> m_phaseStep;
    std::atomic<std::uint32_t> m_noteStep {0}; // 0 while no note plays
    std::atomic<bool> m_on {false};
    std::atomic<bool> m_sweeping {false};
    std::atomic<std::uint32_t> m_sweepStarts {0};
    std::atomic<int> m_sweepMilliseconds;
    std::atomic<int> m_sweepLine {0};
    std::uint32_t m_phase = 0;
    // The renderer's own: the phase step and whether a note plays, as taken up last.
    std::uint32_t m_stepInUse;
    bool m_noteInUse = false;
    int m_level = 0; // 0 (silent) .. kFadeFrames (full)
    // The renderer's own: which start of a sweep it follows, the frames since, the index held.
    std::uint32_t m_sweepFollowed = 0;
    std::int64_t m_sweepFrames = 0;
    int m_sweepIndex = 0;
};

} // namespace ondulix
