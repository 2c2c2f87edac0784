#include "app/window/frmondulix.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/feature_file_chooser.h"
#include "app/editor/graph_menu.h"
#include "app/editor/tool_windows.h"
#include "app/editor/window_action.h"
#include "app/features/action_finder.h"
#include "app/features/chip_depth_actions.h"
#include "app/features/editing_actions.h"
#include "app/features/export_for.h"
#include "app/features/file_commands.h"
#include "app/features/file_import.h"
#include "app/features/formula_command.h"
#include "app/features/go_to_line.h"
#include "app/features/harmonics_window.h"
#include "app/features/line_morphing.h"
#include "app/features/midi_notes.h"
#include "app/features/note_keys.h"
#include "app/features/sound_preview.h"
#include "app/features/table_overview.h"
#include "app/features/tracker_waves.h"
#include "app/features/wavetable_export.h"
#include "app/features/work_recovery.h"
#include "app/window/control_layout.h"
#include "app/window/csv_commands.h"
#include "app/window/preset_buttons.h"
#include "files/settings_file.h"
#include "pattern/clipboard_text.h"
#include "platform/clipboard.h"
#include "platform/graph_box.h"
#include "platform/native_path.h"
#include "platform/pictures.h"
#include "platform/preset_button.h"
#include "platform/qt_file_chooser.h"
#include "platform/scroll_bar_line_selector.h"
#include "platform/upward_scroll_bar.h"
#include "wave/chip_depth.h"
#include "wave/graph.h"
#include "wave/normalization.h"
#include "wave/pointer_drawing.h"

#include <QCheckBox>
#include <QGroupBox>
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
    if (!services.recoveryQuestion)
        services.recoveryQuestion = std::make_unique<RecoveryQuestionBox>(&window);
    return services;
}

template <typename Control>
Control* place(Control* control, const char* name, const layout::Twips& where)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(layout::toPixels(where));
    return control;
}

QString indexedName(const char* array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QLabel* borderedLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QFont boldFont(double pointSize)
{
    QFont font(QString::fromLatin1(layout::kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
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
    m_editor = std::make_unique<Editor>(std::make_unique<SliderSampleSet>(vSlide),
        std::make_unique<ScrollBarLineSelector>(*VScroll1, *lblLine), m_gestures,
        *m_services.messages);
    connectEvents();
    connectFileEvents();
    listButtons();
    wireFeatures();
    m_editor->forgetHistory();
    vSlide[0]->setFocus();
}

frmOndulix::~frmOndulix() = default;

// Every feature beyond the laid-out window: one line each, in any order.
void frmOndulix::wireFeatures()
{
    auto* menu = new GraphMenu(*pWave);
    m_featureFiles = std::make_unique<FeatureFileChooser>(*m_services.files, *chkDraw);
    m_toolWindows = std::make_unique<ToolWindows>(*this);
    m_features = std::make_unique<FeatureContext>(FeatureContext {*this, *m_editor, *menu,
        *m_toolWindows, *m_services.messages, *m_featureFiles, m_playedDepth});
    const FeatureContext& context = *m_features;

    new EditingActions(context);
    new TrackerWaves(context);
    new FileCommands(context, *m_services.saveQuestion);
    new WorkRecovery(context, *m_services.recoveryQuestion, m_services.stateFolder,
        std::move(m_services.startFile));
    new WavetableExport(context);
    new ExportFor(context);
    new FileImport(context);
    new SoundPreview(context);
    new HarmonicsWindow(context);
    new TableOverview(context);
    new LineMorphing(context);
    new ChipDepthActions(context);
    new FormulaCommand(context);
    new GoToLine(context);
    new ActionFinder(context);
    new NoteKeys(context);
    new MidiNotes(context);
}

// The laid-out buttons in the list of actions (F1), each run as its click.
void frmOndulix::listButtons()
{
    for (QPushButton* button :
        {cmdOpen, cmdSave, cmdConfigure, cmdQuenfer, cmdNormal, cmdGenerate, cmdGenMem})
        addButtonAction(*this, *button);
}

void frmOndulix::connectEvents()
{
    for (int i = 0; i < kSampleCount; ++i)
        connect(vSlide[i], &UpwardScrollBar::levelChanged, this, [this, i] { onSampleChanged(i); });
    pWave->setPaintHandler([this] { redrawGraph(); });
    connect(
        VScroll1, &UpwardScrollBar::levelChanged, this, [this] { m_editor->pageToSelectedLine(); });
    connect(cmdGenMem, &QPushButton::clicked, this, [this] { m_editor->storeCurrentLine(); });
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
    m_editor->lendTableFileCommands(
        {[this] { onOpenClicked(); }, [this] { return onSaveClicked(); }});
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
    Editor::Action step(*m_editor, Editor::Step::Gesture);
    m_editor->sampleWritten(index);
    const int value = m_editor->samples().sample(index);
    lblSlideVal->setText(QString::fromStdString(sampleValueText(value)));
    lblSLideNo->setText(QString::fromStdString(sampleNumberText(index)));
    redrawGraph();
    emit m_editor->changes().sampleChanged(index);
}

void frmOndulix::redrawGraph()
{
    ondulix::redrawGraph(m_editor->samples(), *pWave);
}

void frmOndulix::copySamplesToClipboard()
{
    replaceClipboardText(clipboardText(m_editor->samples()));
}

void frmOndulix::onPointerMoved(Qt::MouseButtons buttons, float x, float y)
{
    Editor::Action step(*m_editor, Editor::Step::Gesture);
    const auto target = pointerTarget(drawingButtonBits(buttons), chkDraw->isChecked(), x, y);
    if (target)
        m_editor->samples().setSample(
            target->column, onChipLevel(target->value, m_playedDepth.bits()));
}

// Each of the three events runs all of it, so a press and the focus it brings regenerate the
// preset that is still set before the click sets the new one.
void frmOndulix::runPresetSelection()
{
    Editor::Action step(*m_editor, Editor::Step::Gesture);
    for (std::size_t k = 0; k < optWave.size(); ++k) {
        if (optWave[k]->isChecked())
            m_selectedPreset = kPresetButtons[k].preset;
    }
    generatePreset(m_selectedPreset, m_editor->samples(), m_random, *pWave);
    cmdNormal->click(); // normalizes before this returns, as a press by the user would
    emit presetSelectionRan();
}

void frmOndulix::onNormalizeClicked()
{
    Editor::Action step(*m_editor, Editor::Step::Own);
    normalize(m_editor->samples());
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
    const std::optional<QString> saved
        = saveCsv(services, m_editor->table(), m_editor->csvFileName());
    if (saved)
        m_editor->tableWasSaved(*saved);
    return saved.has_value();
}

void frmOndulix::onOpenClicked()
{
    chkDraw->setChecked(false);
    auto services = fileServices();
    if (const std::optional<QString> path = askCsvToOpen(services))
        m_editor->openTable(*path);
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

void frmOndulix::buildGraphAndSliders()
{
    pWave = place(new GraphBox(this), "pWave", layout::pWave);
    pWave->setToolTip(QStringLiteral("Click and Drag Pointer"));
    pWave->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < kSampleCount; ++i) {
        auto* slider = new UpwardScrollBar(kSampleMin, kSampleMax, this);
        slider->setObjectName(indexedName("vSlide", i));
        slider->setAccessibleName(QStringLiteral("Sample %1").arg(i + 1));
        slider->setGeometry(layout::toPixels(layout::vSlide(i)));
        slider->setLevel(0);
        vSlide[i] = slider;
    }
}

void frmOndulix::buildReadouts()
{
    lblLable
        = place(new QLabel(QStringLiteral("#         Value"), this), "lblLable", layout::lblLable);
    lblLable->setFont(boldFont(layout::kDefaultPointSize));
    lblSLideNo = place(borderedLabel(this), "lblSLideNo", layout::lblSLideNo);
    lblSlideVal = place(borderedLabel(this), "lblSlideVal", layout::lblSlideVal);

    // The drawing flag: never shown, never focused, read and written by code only.
    chkDraw = place(new QCheckBox(this), "chkDraw", layout::chkDraw);
    chkDraw->setChecked(true);
    chkDraw->setFocusPolicy(Qt::NoFocus);
    chkDraw->hide();
}

void frmOndulix::buildCommandButtons()
{
    const auto button
        = [](const char* name, const char* caption, const layout::Twips& where, QWidget* parent) {
              return place(new QPushButton(QString::fromLatin1(caption), parent), name, where);
          };
    cmdOpen = button("cmdOpen", "Open CSV", layout::cmdOpen, this);
    cmdSave = button("cmdSave", "Save CSV", layout::cmdSave, this);
    Label1 = place(borderedLabel(this), "Label1", layout::Label1);
    Label1->setText(QString::fromLatin1(layout::kCreditText));
    Label1->setWordWrap(true);
    cmdConfigure = button("cmdConfigure", "Configure Quenfer path", layout::cmdConfigure, this);
    cmdQuenfer = button("cmdQuenfer", "Make Mem File", layout::cmdQuenfer, this);
    cmdQuenfer->setEnabled(false);
    cmdNormal = button("cmdNormal", "Normalize", layout::cmdNormal, this);
    cmdGenerate = button("cmdGenerate", "Generate to  Clipboard", layout::cmdGenerate, this);
    Frame1 = place(new QGroupBox(this), "Frame1", layout::Frame1);
    cmdGenMem = button("cmdGenMem", "Generate to Memory", layout::cmdGenMem, Frame1);
}

void frmOndulix::buildPresetGroup()
{
    frPreset = place(new QGroupBox(QStringLiteral("Presets"), this), "frPreset", layout::frPreset);
    for (std::size_t i = 0; i < kPresetButtons.size(); ++i) {
        const PresetButtonEntry& entry = kPresetButtons[i];
        auto* preset = new PresetButton(frPreset);
        preset->setObjectName(indexedName("optWave", static_cast<int>(i)));
        preset->setGeometry(layout::toPixels(entry.place));
        preset->setToolTip(QString::fromLatin1(entry.name));
        preset->setIcon(presetPicture(entry.outline()));
        preset->setIconSize(QSize(kPresetPictureSize, kPresetPictureSize));
        optWave[i] = preset;
    }
    optWave[0]->setChecked(true);
}

void frmOndulix::buildLineSelector()
{
    lblLine = place(borderedLabel(Frame1), "lblLine", layout::lblLine);
    lblLine->setFont(boldFont(layout::kLineNumberPointSize));
    lblLine->setText(QStringLiteral("1"));
    // 0 and 33 are only passing values: paging wraps them round to 32 and 1.
    VScroll1 = place(new UpwardScrollBar(0, 33, Frame1), "VScroll1", layout::VScroll1);
    VScroll1->setLevel(1);
    VScroll1->setAccessibleName(QStringLiteral("Line"));
    // A drag of the thumb pages once, when it is released.
    VScroll1->setTracking(false);
}

void frmOndulix::setTabOrderChain()
{
    std::vector<QWidget*> chain(vSlide.begin(), vSlide.end());
    chain.insert(chain.end(),
        {pWave, lblSlideVal, lblSLideNo, lblLable, frPreset, optWave[5], optWave[4], optWave[3],
            optWave[2], optWave[1], optWave[0], cmdGenerate, cmdOpen, chkDraw, cmdSave, Label1,
            cmdQuenfer, cmdConfigure, optWave[6], Frame1, cmdGenMem, VScroll1, lblLine, optWave[7],
            optWave[8], cmdNormal});
    // Labels, frames and the hidden flag never take the focus; Qt's chain holds only the others.
    std::erase_if(chain, [](QWidget* w) { return !(w->focusPolicy() & Qt::TabFocus); });
    for (std::size_t i = 0; i + 1 < chain.size(); ++i)
        setTabOrder(chain[i], chain[i + 1]);
}

} // namespace ondulix
