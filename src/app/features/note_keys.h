#pragma once

#include <QObject>
#include <cstdint>
#include <vector>

class QAction;
class QKeyEvent;

namespace ondulix {

class ChangeSignals;
class ToolWindows;
struct FeatureContext;

// Plays the wave from the computer's keys, laid out as trackers lay them out (sound/note_keys.h),
// in the main window, the table overview and the harmonics window. A note key is taken before
// any control sees it, so that no slider moves, no button runs and the focus stays where it is;
// a key with Ctrl, Alt or Meta is never a note, and the keyboard's repeats are ignored. Numpad /
// and * move the keys an octave down and up; the octave follows the preview's pitch, and the
// graph's menu shows it.
class NoteKeys : public QObject
{
    Q_OBJECT

public:
    explicit NoteKeys(const FeatureContext& context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool press(const QKeyEvent& key);
    bool release(const QKeyEvent& key);
    void releaseAll();
    void setOctave(int octave);

    ChangeSignals& m_changes;
    const ToolWindows& m_windows;
    QAction* m_octaveShown = nullptr;
    int m_octave = 4;
    struct Held
    {
        std::uint32_t scanCode;
        int note;
    };
    std::vector<Held> m_held;
};

} // namespace ondulix
