#pragma once

#include <QObject>

namespace ondulix {

// What feature objects follow, without reaching into the window. The window's change handler
// sends the first; the editor the next three as it pages, opens and saves; the edit history
// the next two when an action or an undo step ends; the sound preview the sweep's line and the
// pitch; the keys and the MIDI input the notes, which the sound preview plays.
class ChangeSignals : public QObject
{
    Q_OBJECT

signals:
    // After the slider change handler has run for a sample, whoever changed it.
    void sampleChanged(int index);
    // After each run of paging, the nested run of a wrap included, with the line it loaded.
    void linePaged(int line);
    // The table now holds what its CSV file holds: opened by the button, Ctrl+O, the command
    // line or a drop, or just saved.
    void csvOpened();
    void csvSaved();
    // An action, or an undo or redo, that changed cells of the table: Generate to Memory,
    // Open CSV, a write of several lines. Sent before actionEnded.
    void tableWritten();
    // After every action of the user and every undo or redo, once all its handlers have run.
    void actionEnded();
    // The line a sweep of the table plays now, as it changes; 0 once no sweep plays.
    void sweepLinePlayed(int line);
    // The preview's pitch, as picked in the graph's menu: the keys' octave follows it.
    void previewPitchChosen(double hertz);
    // A note (a MIDI note number: 60 is C4) pressed or released on the computer's keys or a MIDI
    // keyboard, and the bend of whatever note sounds, in semitones.
    void notePressed(int note);
    void noteReleased(int note);
    void notesBent(double semitones);
};

} // namespace ondulix
