#pragma once

#include "sound/note_voice.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

namespace ondulix {

class AudioOutput;
class ChangeSignals;
class ChipOscillator;

// The notes' side of the preview: one voice for the keys and a MIDI keyboard, played on the
// preview's oscillator and output, so that it plays the wave in the sliders at the chip depth
// and follows every edit as F5 does; while the preview or the sweep plays, a note plays instead
// and they go on once it is released. The stream stays open while notes are being played
// (sound/note_voice.h), playing silence between them, so that a note needs no stream opened.
class NotePlayer : public QObject
{
    Q_OBJECT

public:
    NotePlayer(
        ChangeSignals& changes, ChipOscillator& oscillator, AudioOutput& output, QObject* parent);

private:
    void press(int note);
    void release(int note);
    void bend(double semitones);
    void play(int note);
    void keepStream();
    void onKeptLongEnough();

    ChipOscillator& m_oscillator;
    AudioOutput& m_output;
    NoteVoice m_voice;
    double m_bend = 0;
    QElapsedTimer m_clock;
    QTimer m_keep;
};

} // namespace ondulix
