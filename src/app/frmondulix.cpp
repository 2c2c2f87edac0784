#include "app/frmondulix.h"

#include "app/control_layout.h"
#include "app/csv_commands.h"
#include "app/wavetable_export.h"
#include "files/settings_file.h"
#include "pattern/clipboard_text.h"
#include "pattern/pattern_line.h"
#include "platform/clipboard.h"
#include "platform/graph_box.h"
#include "platform/native_path.h"
#include "platform/pictures.h"
#include "platform/preset_button.h"
#include "platform/qt_common_dialog.h"
#include "platform/upward_scroll_bar.h"
#include "wave/graph.h"
#include "wave/normalization.h"
#include "wave/pointer_drawing.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace ondulix {

namespace {

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

// Only the three classic buttons count; left together with any other is not "left".
int drawingButtonBits(Qt::MouseButtons buttons)
{
    return (buttons.testFlag(Qt::LeftButton) ? kLeftButtonBit : 0)
        | (buttons.testFlag(Qt::RightButton) ? kRightButtonBit : 0)
        | (buttons.testFlag(Qt::MiddleButton) ? kMiddleButtonBit : 0);
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

frmOndulix::frmOndulix(QWidget* parent)
    : QWidget(parent)
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
    buildEditing();
    m_wavetableExport = new WavetableExport(*this);
    addMenuSection({m_wavetableExport->action()});
    vSlide[0]->setFocus();
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
    const auto button = [this](const char* name, const char* caption, const layout::Twips& where,
                            QWidget* parent) {
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
    for (int i = 0; i < layout::kPresetCount; ++i) {
        auto* preset = new PresetButton(frPreset);
        preset->setObjectName(indexedName("optWave", i));
        preset->setGeometry(layout::toPixels(layout::optWave(i)));
        preset->setToolTip(QString::fromLatin1(layout::kPresetNames.at(i)));
        preset->setIcon(presetPicture(i));
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
    connect(cmdNormal, &QPushButton::clicked, this, [this] {
        EditHistory::Action step(m_history, EditHistory::Kind::Own);
        normalize(m_samples);
    });
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
    lblSlideVal->setText(QString::fromStdString(sampleValueText(m_samples.sample(index))));
    lblSLideNo->setText(QString::fromStdString(sampleNumberText(index)));
    redrawGraph();
    emit sampleChangeHandled(index);
}

void frmOndulix::redrawGraph()
{
    ondulix::redrawGraph(m_samples, *pWave);
}

void frmOndulix::onLineSelected()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    pageToSelectedLine(m_lineSelector, m_patternTable, m_samples);
    emit lineLoaded(m_lineSelector.line());
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
        m_samples.setSample(target->column, target->value);
}

// Each of the three events runs all of it, so a press and the focus it brings regenerate the
// preset that is still set before the click sets the new one.
void frmOndulix::runPresetSelection()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Gesture);
    for (int k = 0; k < layout::kPresetCount; ++k) {
        if (optWave[k]->isChecked())
            m_selectedPreset = static_cast<Preset>(k);
    }
    generatePreset(m_selectedPreset, m_samples, m_random, *pWave);
    cmdNormal->click(); // normalizes before this returns, as a press by the user would
    emit presetSelectionRan();
}

void frmOndulix::connectFileEvents()
{
    CD1 = std::make_unique<QtCommonDialog>();
    m_messages = std::make_unique<MessageBoxSink>(this);
    connect(cmdSave, &QPushButton::clicked, this, &frmOndulix::onSaveClicked);
    connect(cmdOpen, &QPushButton::clicked, this, &frmOndulix::onOpenClicked);
    connect(cmdConfigure, &QPushButton::clicked, this, &frmOndulix::onConfigureClicked);
    connect(cmdQuenfer, &QPushButton::clicked, this, &frmOndulix::onQuenferClicked);
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
        m_savedTable = m_patternTable;
    return saved;
}

void frmOndulix::onOpenClicked()
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    chkDraw->setChecked(false);
    auto services = fileServices();
    if (openCsv(services, m_patternTable, m_csvFileName)) {
        m_savedTable = m_patternTable;
        showFirstLine();
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

// Setting 32 first makes the second setting a change even when line 1 was already current, so
// line 1 of the newly read table is always paged in.
void frmOndulix::showFirstLine()
{
    m_lineSelector.setLine(kPatternLineCount);
    m_lineSelector.setLine(1);
}

} // namespace ondulix
