#pragma once

#include <QObject>

namespace ondulix {

// What feature objects follow, without reaching into the window. The window's change handler
// sends the first; the editor the next three as it pages, opens and saves; the edit history
// the next two when an action or an undo step ends; the sound preview the last.
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
};

} // namespace ondulix
