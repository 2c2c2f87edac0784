#include "app/features/note_player.h"

#include "app/editor/change_signals.h"
#include "platform/audio_output.h"
#include "sound/chip_oscillator.h"

namespace ondulix {

NotePlayer::NotePlayer(
    ChangeSignals& changes, ChipOscillator& oscillator, AudioOutput& output, QObject* parent)
    : QObject(parent)
    , m_oscillator(oscillator)
    , m_output(output)
{
    m_clock.start();
    m_keep.setSingleShot(true);
    m_keep.setTimerType(Qt::PreciseTimer);
    connect(&m_keep, &QTimer::timeout, this, &NotePlayer::onKeptLongEnough);
    connect(&changes, &ChangeSignals::notePressed, this, &NotePlayer::press);
    connect(&changes, &ChangeSignals::noteReleased, this, &NotePlayer::release);
    connect(&changes, &ChangeSignals::notesBent, this, &NotePlayer::bend);
}

// The stream first: from silence the oscillator starts the note with its next frame.
void NotePlayer::press(int note)
{
    keepStream();
    play(m_voice.press(note, m_clock.elapsed()));
}

void NotePlayer::release(int note)
{
    keepStream();
    play(m_voice.release(note, m_clock.elapsed()));
}

void NotePlayer::bend(double semitones)
{
    m_bend = semitones;
    play(m_voice.sounding());
}

void NotePlayer::play(int note)
{
    if (note == kNoNote)
        m_oscillator.endNote();
    else
        m_oscillator.playNote(noteHertz(note + m_bend));
}

void NotePlayer::keepStream()
{
    m_output.hold();
    m_keep.start(static_cast<int>(NoteVoice::kKeepStreamMilliseconds));
}

void NotePlayer::onKeptLongEnough()
{
    if (const auto left = m_voice.keepStreamFor(m_clock.elapsed()); left > 0)
        m_keep.start(static_cast<int>(left));
    else
        m_output.release();
}

} // namespace ondulix
