#pragma once

#include "app/compiler_commands.h"
#include "app/file_services.h"
#include "pattern/pattern_table.h"
#include "platform/scroll_bar_line_selector.h"
#include "platform/slider_sample_set.h"
#include "wave/presets.h"
#include "wave/random_source.h"
#include "wave/sample_set.h"

#include <QWidget>
#include <array>
#include <filesystem>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace ondulix {

class GraphBox;
class PresetButton;
class UpwardScrollBar;

// The program's one window. It builds the controls as laid out, keeps the values that several
// operations share, and wires each event to its operation; the operations themselves live in
// the toolkit-free layers.
class frmOndulix : public QWidget
{
    Q_OBJECT

public:
    explicit frmOndulix(QWidget* parent = nullptr);

    // The load handler: what happens after the controls exist and before the window shows.
    void load();

    SampleSet& samples() { return m_samples; }
    PatternTable& patternTable() { return m_patternTable; }
    const std::filesystem::path& startupDirectory() const { return m_startupDirectory; }
    const QString& compilerPath() const { return m_compilerPath; }
    const QString& csvFileName() const { return m_csvFileName; }
    const CompileRun& lastCompile() const { return m_lastCompile; }

    // The window's file dialog and where it tells the user of failures; tests put in their own.
    void setFileDialog(std::unique_ptr<CommonDialog> dialog) { CD1 = std::move(dialog); }
    void setMessageSink(std::unique_ptr<MessageSink> sink) { m_messages = std::move(sink); }
    MessageSink& messages() { return *m_messages; }

signals:
    // After the slider change handler has run for a sample.
    void sampleChangeHandled(int index);
    // After each run of paging, the nested run of a wrap included, with the line it loaded.
    void lineLoaded(int line);
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

    void onSampleChanged(int index);
    void redrawGraph();
    void onPointerMoved(Qt::MouseButtons buttons, float x, float y);
    void runPresetSelection();

    void connectFileEvents();
    FileServices fileServices() { return {*CD1, *m_messages, *this}; }
    void loadSettings();
    void onSaveClicked();
    void onOpenClicked();
    void onConfigureClicked();
    void onQuenferClicked();
    void showFirstLine();
    void onLineSelected();
    void storeCurrentLine();
    void copySamplesToClipboard();

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

    SliderSampleSet m_samples {vSlide};
    PatternTable m_patternTable;
    ScrollBarLineSelector m_lineSelector {VScroll1, lblLine};
    std::filesystem::path m_startupDirectory;
    Preset m_selectedPreset = Preset::Reset;
    RandomSource m_random;

    std::unique_ptr<CommonDialog> CD1;
    std::unique_ptr<MessageSink> m_messages;
    QString m_csvFileName;
    QString m_compilerPath;
    CompileRun m_lastCompile;
};

} // namespace ondulix
