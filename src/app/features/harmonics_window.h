#pragma once

#include "wave/harmonic_edit.h"

#include <QObject>
#include <QPointer>
#include <vector>

class QAction;

namespace ondulix {

class Editor;
class HarmonicsView;
class PlayedDepth;
class ToolWindows;
struct FeatureContext;

// Ctrl+H: the wave's harmonics in a small window beside the main one, following every change
// of a sample, whoever makes it, at the chip depth the wave is heard at. Drawing in it, or its
// keys, change the harmonics of the wave in the sliders; "Remove offset" takes its mean out.
class HarmonicsWindow : public QObject
{
    Q_OBJECT

public:
    explicit HarmonicsWindow(const FeatureContext& context);
    ~HarmonicsWindow() override;

private:
    void toggleHarmonics();
    void createView();
    void followWave();
    void startDrawing();
    void drawLevel(int harmonic, double decibels);
    void stepLevel(int harmonic, int direction);
    void removeHarmonic(int harmonic);
    void removeOffset();

    QWidget& m_window;
    Editor& m_editor;
    ToolWindows& m_toolWindows;
    const PlayedDepth& m_depth;
    QAction* m_toggle = nullptr;
    QPointer<HarmonicsView> m_view;
    bool m_stale = true; // a sample changed since the view last looked
    // The drawing under way: the wave at its press and each level it has set since, so that a
    // wave scaled down at one step is not scaled down again at the next.
    Wave m_atPress {};
    std::vector<HarmonicLevel> m_drawn;
};

} // namespace ondulix
