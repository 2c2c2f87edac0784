#pragma once

#include "app/compiler_commands.h"
#include "app/edit_history.h"
#include "app/file_services.h"
#include "pattern/pattern_table.h"
#include "platform/save_question.h"
#include "platform/scroll_bar_line_selector.h"
#include "platform/slider_sample_set.h"
#include "wave/pasted_wave.h"
#include "wave/presets.h"
#include "wave/random_source.h"
#include "wave/sample_set.h"

#include <QList>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

class QCheckBox;
class QGroupBox;
class QAction;
class QLabel;
class QMenu;
class QPushButton;

namespace ondulix {

class GraphBox;
class PresetButton;
class UpwardScrollBar;
class WavetableExport;

// The program's one window. It builds the controls as laid out, keeps the values that several
// operations share, and wires each event to its operation; the operations themselves live in
// the toolkit-free layers.
class frmOndulix : public QWidget
{
    Q_OBJECT

public:
    explicit frmOndulix(QWidget* parent = nullptr);
    ~frmOndulix() override;

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
    // The question asked on closing with a changed table; tests put in their own.
    void setSaveQuestion(std::unique_ptr<SaveQuestion> question)
    {
        m_saveQuestion = std::move(question);
    }

    // Adds the actions to the window, so their shortcuts work wherever the focus is in it, and
    // to the graph's menu after a separator.
    void addMenuSection(const QList<QAction*>& actions);
    QMenu& graphMenu() { return *m_graphMenu; }
    const QUndoStack& editSteps() const { return m_history.steps(); }

    // A file named on the command line: opened by Open CSV's rules without the dialog, so
    // drawing stays armed. It is where the window starts, not a step to undo.
    void openStartFile(const QString& path);

signals:
    // After the slider change handler has run for a sample.
    void sampleChangeHandled(int index);
    // After each run of paging, the nested run of a wrap included, with the line it loaded.
    void lineLoaded(int line);
    // After a preset button's press, focus or click has run the preset selection to its end.
    void presetSelectionRan();

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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
    bool onSaveClicked();
    void onOpenClicked();
    void onConfigureClicked();
    void onQuenferClicked();
    void showFirstLine();
    void onLineSelected();
    void storeCurrentLine();
    void copySamplesToClipboard();

    void buildEditing();
    QAction* addShortcutAction(
        const QString& text, const QList<QKeySequence>& keys, std::function<void()> operation);
    void pasteWave();
    void copyTrackerWave(int bits);
    void pasteTrackerWave(int bits);
    void writePastedWave(const PastedWave& pasted);
    void applyTransform(Wave (*transform)(const Wave&));
    bool openFileWithoutDialog(const QString& path);

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
    WavetableExport* m_wavetableExport = nullptr; // a child: "Export wavetable..."

    EditHistory m_history {{m_samples, m_patternTable, m_lineSelector}, this};
    // The table as last opened or saved: closing asks to save only when it differs.
    PatternTable m_savedTable;
    std::unique_ptr<QMenu> m_graphMenu;
    std::unique_ptr<SaveQuestion> m_saveQuestion;
};

} // namespace ondulix
