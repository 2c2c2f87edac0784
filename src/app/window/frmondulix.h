#pragma once

#include "app/editor/change_signals.h"
#include "app/editor/edit_history.h"
#include "app/editor/gesture_counter.h"
#include "app/editor/line_writer.h"
#include "app/editor/played_depth.h"
#include "app/window/compiler_commands.h"
#include "app/window/file_services.h"
#include "app/window/window_services.h"
#include "pattern/pattern_table.h"
#include "platform/common_dialog.h"
#include "platform/scroll_bar_line_selector.h"
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

class FeatureFileChooser;
class GraphBox;
struct FeatureContext;
class PresetButton;
class UpwardScrollBar;

// The program's one window. It builds the controls as laid out, keeps the values that several
// operations share, and wires each event to its operation; the operations themselves live in
// the toolkit-free layers. Everything beyond the laid-out window is a feature object of its
// own, created and wired in wireFeatures(), one line each.
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
    void wireFeatures();

    void onSampleChanged(int index);
    void redrawGraph();
    void onPointerMoved(Qt::MouseButtons buttons, float x, float y);
    void runPresetSelection();
    void onNormalizeClicked();
    void onLineSelected();
    void storeCurrentLine();
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

    // The window-level values that the operations share, as the program's design names them.
    SliderSampleSet m_samples {vSlide};
    PatternTable m_patternTable;
    ScrollBarLineSelector m_lineSelector {VScroll1, lblLine};
    std::filesystem::path m_startupDirectory;
    QString m_compilerPath;
    QString m_csvFileName;
    Preset m_selectedPreset = Preset::Reset;
    RandomSource m_random;
    // The last start of the compiler: its input, output, command line and process id. Nothing
    // reads them; the window keeps them as the design's window state, as it always has.
    CompileRun m_lastCompile;

    WindowServices m_services;
    CommonDialog CD1 {*m_services.files};

    ChangeSignals m_changes;
    GestureCounter m_gestures {*this};
    EditHistory m_history {{m_samples, m_patternTable, m_lineSelector}, m_gestures, m_changes};
    LineWriter m_lineWriter {m_patternTable, m_lineSelector, m_samples, m_history};
    // The chip depth chosen in the graph's menu; drawing on the graph lands on its levels.
    PlayedDepth m_playedDepth;
    std::unique_ptr<FeatureFileChooser> m_featureFiles;
    std::unique_ptr<FeatureContext> m_features;
};

} // namespace ondulix
