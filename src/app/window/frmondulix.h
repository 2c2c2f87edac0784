#pragma once

#include "app/editor/gesture_counter.h"
#include "app/editor/played_depth.h"
#include "app/window/compiler_commands.h"
#include "app/window/file_services.h"
#include "app/window/window_services.h"
#include "platform/common_dialog.h"
#include "platform/slider_sample_set.h"
#include "wave/presets.h"
#include "wave/random_source.h"

#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ondulix {

class Editor;
class FeatureFileChooser;
class GraphBox;
struct FeatureContext;
class PresetButton;
class ToolWindows;
class UpwardScrollBar;

// The program's one window. It builds the controls as laid out, keeps the values that several
// operations share, and wires each event to its operation; the operations themselves live in
// the toolkit-free layers, and what the user edits in the editor. Everything beyond the
// laid-out window is a feature object of its own, created in wireFeatures(), one line each.
class frmOndulix : public QWidget
{
    Q_OBJECT

public:
    explicit frmOndulix(WindowServices services = {}, QWidget* parent = nullptr);
    ~frmOndulix() override;

    // The load handler: what happens after the controls exist and before the window shows.
    void load();

    // What each feature object is given; tests and benchmarks reach the window through it too.
    const FeatureContext& features() const { return *m_features; }

signals:
    // After a preset button's press, focus or click has run the preset selection to its end.
    void presetSelectionRan();

private:
    void buildGraphAndSliders();
    void buildReadouts();
    void buildCommandButtons();
    void buildPresetGroup();
    void buildLineSelector();
    void setTabOrderChain();
    void connectEvents();
    void connectWaveEditing();
    void connectFileEvents();
    void listButtons();
    void wireFeatures();

    void onSampleChanged(int index);
    void redrawGraph();
    void onPointerMoved(Qt::MouseButtons buttons, float x, float y);
    void runPresetSelection();
    void onNormalizeClicked();
    void copySamplesToClipboard();

    FileServices fileServices() { return {CD1, *m_services.messages, *this}; }
    void loadSettings();
    bool onSaveClicked();
    void onOpenClicked();
    void onConfigureClicked();
    void onQuenferClicked();

    SliderSampleSet::Sliders vSlide {};
    GraphBox* pWave = nullptr;
    QLabel* lblLable = nullptr;
    QLabel* lblSLideNo = nullptr;
    QLabel* lblSlideVal = nullptr;
    QCheckBox* chkDraw = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdSave = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* cmdConfigure = nullptr;
    QPushButton* cmdQuenfer = nullptr;
    QGroupBox* frPreset = nullptr;
    std::array<PresetButton*, 9> optWave {};
    QPushButton* cmdNormal = nullptr;
    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdGenMem = nullptr;
    QLabel* lblLine = nullptr;
    UpwardScrollBar* VScroll1 = nullptr;
    QPushButton* cmdGenerate = nullptr;

    // The window-level values that the operations share, as the program's design names them;
    // the pattern table and the CSV file name are the editor's.
    std::filesystem::path m_startupDirectory;
    QString m_compilerPath;
    Preset m_selectedPreset = Preset::Reset;
    RandomSource m_random;
    // The last start of the compiler: its input, output, command line and process id. Nothing
    // reads them; the window keeps them as the design's window state, as it always has.
    CompileRun m_lastCompile;

    WindowServices m_services;
    CommonDialog CD1 {*m_services.files};

    GestureCounter m_gestures {*this};
    // Made once the sliders and the line selector exist.
    std::unique_ptr<Editor> m_editor;
    // The chip depth chosen in the graph's menu; drawing on the graph lands on its levels.
    PlayedDepth m_playedDepth;
    std::unique_ptr<FeatureFileChooser> m_featureFiles;
    std::unique_ptr<ToolWindows> m_toolWindows;
    std::unique_ptr<FeatureContext> m_features;
};

} // namespace ondulix
