#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <memory>

class QAction;
class QActionGroup;
class QMenu;

namespace ondulix {

class AudioOutput;
class ChipOscillator;
class HarmonicsView;
class frmOndulix;

// Hearing the wave and seeing its harmonics, reached by window-wide keys and the graph's menu:
// F5 starts and stops the preview, the pitch goes by octave, Ctrl+H shows the harmonics. It
// follows every change of a sample, whoever makes it, through the window's change signal.
class SoundController : public QObject
{
    Q_OBJECT

public:
    explicit SoundController(frmOndulix& window);
    ~SoundController() override;

    // For the graph's context menu: Play, the pitch submenu, Stop and Harmonics.
    QList<QAction*> menuActions() const;
    bool isPlaying() const;

private:
    void togglePlaying();
    void stopPlaying();
    void onUnavailable(const QString& reason);
    void showHarmonics();
    void followWave();
    void createPitchMenu();

    frmOndulix& m_window;
    std::shared_ptr<ChipOscillator> m_oscillator;
    std::unique_ptr<AudioOutput> m_output;
    std::unique_ptr<QMenu> m_pitchMenu;
    QActionGroup* m_pitchGroup = nullptr;
    QAction* m_playAction = nullptr;
    QAction* m_stopAction = nullptr;
    QAction* m_harmonicsAction = nullptr;
    QPointer<HarmonicsView> m_harmonicsView;
};

} // namespace ondulix
