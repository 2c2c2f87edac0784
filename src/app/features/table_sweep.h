#pragma once

#include <QObject>
#include <QTimer>

class QAction;
class QWidget;

namespace ondulix {

class ChangeSignals;
class ChipOscillator;
class Editor;
class MessageSink;
class PlayedDepth;
struct FeatureContext;

// The sweep's side of the preview: which lines it plays (those that hold a sound, the current
// one from the sliders), handed to the oscillator after every change, the sweep time, and the
// line it plays for whoever follows ChangeSignals::sweepLinePlayed.
class TableSweep : public QObject
{
    Q_OBJECT

public:
    TableSweep(const FeatureContext& context, ChipOscillator& oscillator, QObject* parent);

    // Sends the lines and switches the oscillator to the sweep. With fewer than two lines that
    // hold a sound, tells the user so and changes nothing.
    bool begin();
    // The sweep no longer sounds. The oscillator keeps sweeping through its fade-out.
    void end();
    bool isOn() const { return m_on; }

    // The graph menu's "Sweep time" submenu, owned by the window as its other submenus are.
    QAction* createTimeMenu(QWidget& window);

private:
    void follow();
    bool publish();
    void showPlayedLine();

    const Editor& m_editor;
    ChangeSignals& m_changes;
    MessageSink& m_messages;
    const PlayedDepth& m_depth;
    ChipOscillator& m_oscillator;
    QTimer m_watch; // asks which line plays, while a sweep sounds
    int m_shownLine = 0;
    bool m_on = false;
};

} // namespace ondulix
