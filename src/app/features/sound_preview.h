#pragma once

#include "sound/wave_snapshot.h"

#include <QObject>
#include <memory>

class QAction;
class QWidget;

namespace ondulix {

class AudioOutput;
class ChangeSignals;
class ChipOscillator;
class MessageSink;
class PlayedDepth;
class Editor;
class TableSweep;
struct FeatureContext;

// Hearing the wave: F5 starts and stops the preview, and the graph's menu offers the pitch by
// octave and Stop. Every change of a sample, whoever makes it, is heard as it is made.
// Shift+F5 plays the table's sweep instead, on the same oscillator and output, so the pitch,
// the fades and the message when no output is available are the preview's; Shift+F5 again or
// F5 stops it. Notes from the computer's keys and a MIDI keyboard play on them too (NotePlayer).
class SoundPreview : public QObject
{
    Q_OBJECT

public:
    explicit SoundPreview(const FeatureContext& context);
    ~SoundPreview() override;

    // What every sound comes from, for the benchmark of a note's first frame.
    std::shared_ptr<ChipOscillator> oscillator() const;

private:
    QAction* createPitchMenu(QWidget& window, ChangeSignals& changes);
    void togglePlaying();
    void toggleSweep();
    void stopPlaying();
    void onUnavailable(const QString& reason);
    // Every change of a sample passes here, so the copy is always the wave in the sliders.
    void followSample(int index);
    // A new chip depth changes every sample that is heard.
    void followWave();

    const Editor& m_editor;
    const PlayedDepth& m_depth;
    MessageSink& m_messages;
    std::shared_ptr<ChipOscillator> m_oscillator;
    std::unique_ptr<AudioOutput> m_output;
    TableSweep* m_sweep = nullptr;
    WaveSteps m_wave {};
    QAction* m_stopAction = nullptr;
    bool m_toldNotesUnheard = false;
};

} // namespace ondulix
