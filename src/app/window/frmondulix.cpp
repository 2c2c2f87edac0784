#include "app/window/frmondulix.h"

#include "app/editor/feature_context.h"
#include "app/editor/feature_file_chooser.h"
#include "app/editor/graph_menu.h"
#include "app/features/chip_depth_actions.h"
#include "app/features/editing_actions.h"
#include "app/features/file_commands.h"
#include "app/features/file_import.h"
#include "app/features/formula_command.h"
#include "app/features/harmonics_window.h"
#include "app/features/line_morphing.h"
#include "app/features/sound_preview.h"
#include "app/features/table_overview.h"
#include "app/features/tracker_wave_save.h"
#include "app/features/wavetable_export.h"
#include "app/window/control_layout.h"
#include "app/window/csv_commands.h"
#include "app/window/preset_buttons.h"
#include "files/settings_file.h"
#include "pattern/clipboard_text.h"
#include "pattern/pattern_line.h"
#include "platform/clipboard.h"
#include "platform/graph_box.h"
#include "platform/native_path.h"
#include "platform/pictures.h"
#include "platform/preset_button.h"
#include "platform/qt_file_chooser.h"
#include "platform/upward_scroll_bar.h"
#include "wave/chip_depth.h"
#include "wave/graph.h"
#include "wave/normalization.h"
#include "wave/pointer_drawing.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace ondulix {

namespace {

// Only the three classic buttons count; left together with any other is not "left".
int drawingButtonBits(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? kLeftButtonBit : 0)
        | (buttons.testFlag(Qt::RightButton) ? kRightButtonBit : 0)
        | (buttons.testFlag(Qt::MiddleButton) ? kMiddleButtonBit : 0);
}

WindowServices withDefaults(WindowServices services, QWidget& window)
{
    if (!services.files)
        services.files = std::make_unique<QtFileChooser>();
    if (!services.messages)
        services.messages = std::make_unique<MessageBoxSink>(&window);
    if (!services.saveQuestion)
        services.saveQuestion = std::make_unique<SaveQuestionBox>(&window);
    return services;
}

} // namespace

frmOndulix::frmOndulix(WindowServices services, QWidget* parent)
    : QWidget(parent)
    , m_services(withDefaults(std::move(services), *this))
{
    setObjectName(QStringLiteral("frmOndulix"));
    setWindowTitle(QString::fromLatin1(layout::kWindowTitle));
    setWindowIcon(programIcon());
    setFixedSize(layout::toPixels(layout::kClientWidth), layout::toPixels(layout::kClientHeight));

    buildGraphAndSliders();
    buildReadouts();
    buildCommandButtons();
    buildPresetGroup();
    buildLineSelector();
    setTabOrderChain();
    connectEvents();
    connectFileEvents();
    wireFeatures();
    m_history.forget();
    vSlide[0]->setFocus();
}

frmOndulix::~frmOndulix() = default;

// Every feature beyond the laid-out window: one line each, in the order of the graph's menu.
void frmOndulix::wireFeatures()
{
    auto* menu = new GraphMenu(*pWave);
    m_featureFiles = std::make_unique<FeatureFileChooser>(*m_services.files, *chkDraw);
    m_features = std::make_unique<FeatureContext>(
        FeatureContext {*this, *menu, m_samples, m_patternTable, m_lineSelector, m_history,
            m_lineWriter, m_changes, *m_services.messages, *m_featureFiles, m_playedDepth});
    const FeatureContext& context = *m_features;

    new EditingActions(context);
    new FileCommands(context,
        {[this] { onOpenClicked(); }, [this] { return onSaveClicked(); }, m_csvFileName},
        *m_services.saveQuestion, std::move(m_services.startFile));
    new WavetableExport(context);
    new FileImport(context);
    new TrackerWaveSave(context); // beside the tracker forms of copy and paste
    new SoundPreview(context);
    new HarmonicsWindow(context); // joins the preview's section of the menu
    new TableOverview(context);
    new LineMorphing(context); // joins the overview's section of the menu
    new ChipDepthActions(context);
    new FormulaCommand(context);
}

void frmOndulix::connectEvents()
{
    for (int i = 0; i < kSampleCount; ++i)
        connect(vSlide[i], &UpwardScrollBar::levelChanged, this, [this, i] { onSampleChanged(i); });
    pWave->setPaintHandler([this] { redrawGraph(); });
    connect(VScroll1, &UpwardScrollBar::levelChanged, this, &frmOndulix::onLineSelected);
    connect(cmdGenMem, &QPushButton::clicked, this, &frmOndulix::storeCurrentLine);
    connect(cmdGenerate, &QPushButton::clicked, this, &frmOndulix::copySamplesToClipboard);
    connectWaveEditing();
}

void frmOndulix::connectWaveEditing()
{
    connect(pWave, &GraphBox::clicked, this, [this] { chkDraw->setChecked(true); });
    connect(pWave, &GraphBox::pointerMoved, this, &frmOndulix::onPointerMoved);
    for (PresetButton* preset : optWave) {
        connect(preset, &PresetButton::mousePressed, this, &frmOndulix::runPresetSelection);
        connect(preset, &PresetButton::focusGained, this, &frmOndulix::runPresetSelection);
        connect(preset, &PresetButton::clicked, this, &frmOndulix::runPresetSelection);
    }
    connect(cmdNormal, &QPushButton::clicked, this, &frmOndulix::onNormalizeClicked);
}

void frmOndulix::connectFileEvents()
{
    connect(cmdSave, &QPushButton::clicked, this, &frmOndulix::onSaveClicked);
    connect(cmdOpen, &QPushButton::clicked, this, &frmOndulix::onOpenClicked);
    connect(cmdConfigure, &QPushButton::clicked, this, &frmOndulix::onConfigureClicked);
    connect(cmdQuenfer, &QPushButton::clicked, this, &frmOndulix::onQuenferClicked);
}

void frmOndulix::load()
{
    std::error_code error;
    m_startupDirectory = std::filesystem::current_path(error);
    loadSettings();
}

// Runs for every write; only a change by the user at the slider itself makes a step of it.
void frmOndulix::onSampleChanged(int index)
{
    EditHistory::Action step(m_history, EditHistory::Kind::Gesture);
    const int value = m_samples.sample(index);
    m_history.sampleWritten(index, value);
    lblSlideVal->setText(QString::fromStdString(sampleValueText(value)));
    lblSLideNo->setText(QString::fromStdString(sampleNumberText(index)));
    redrawGraph();
    emit m_changes.sampleChanged(index);
}

void frmOndulix::redrawGraph()
{
    ondulix::redrawGraph(m_samples, *pWave);
}

void frmOndulix::onLineSelected()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    pageToSelectedLine(m_lineSelector, m_patternTable, m_samples);
    emit m_changes.linePaged(m_lineSelector.line());
}

void frmOndulix::storeCurrentLine()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    storeLine(m_samples, m_lineSelector.line(), m_patternTable);
}

void frmOndulix::copySamplesToClipboard()
{
    replaceClipboardText(clipboardText(m_samples));
}

void frmOndulix::onPointerMoved(Qt::MouseButtons buttons, float x, float y)
{
    EditHistory::Action step(m_history, EditHistory::Kind::Gesture);
    const auto target = pointerTarget(drawingButtonBits(buttons), chkDraw->isChecked(), x, y);
    if (target)
        m_samples.setSample(target->column, onChipLevel(target->value, m_playedDepth.bits()));
}

// Each of the three events runs all of it, so a press and the focus it brings regenerate the
// preset that is still set before the click sets the new one.
void frmOndulix::runPresetSelection()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Gesture);
    for (std::size_t k = 0; k < optWave.size(); ++k) {
        if (optWave[k]->isChecked())
            m_selectedPreset = kPresetButtons[k].preset;
    }
    generatePreset(m_selectedPreset, m_samples, m_random, *pWave);
    cmdNormal->click(); // normalizes before this returns, as a press by the user would
    emit presetSelectionRan();
}

void frmOndulix::onNormalizeClicked()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    normalize(m_samples);
}

void frmOndulix::loadSettings()
{
    if (const auto path = ondulix::loadSettings(settingsFilePath(m_startupDirectory))) {
        m_compilerPath = fromNativeText(*path);
        cmdQuenfer->setEnabled(true);
    }
}

// Each file operation first takes the drawing flag down, before any dialog opens: the click
// that closes a dialog over the graph must not draw.
bool frmOndulix::onSaveClicked()
{
    chkDraw->setChecked(false);
    auto services = fileServices();
    const bool saved = saveCsv(services, m_patternTable, m_csvFileName);
    if (saved)
        emit m_changes.csvSaved();
    return saved;
}

void frmOndulix::onOpenClicked()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    chkDraw->setChecked(false);
    auto services = fileServices();
    if (openCsv(services, m_patternTable, m_csvFileName)) {
        emit m_changes.csvOpened();
        pageToFirstLine(m_lineSelector);
    }
}

void frmOndulix::onConfigureClicked()
{
    chkDraw->setChecked(false);
    auto services = fileServices();
    if (const auto path = configureCompiler(services, m_startupDirectory)) {
        m_compilerPath = *path;
        cmdQuenfer->setEnabled(true);
    }
}

void frmOndulix::onQuenferClicked()
{
    chkDraw->setChecked(false);
    auto services = fileServices();
    if (auto run = makeMemFile(services, m_compilerPath))
        m_lastCompile = *std::move(run);
}

} // namespace ondulix
