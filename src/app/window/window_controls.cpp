// The window's controls as laid out: places, captions, fonts, pictures and the tab order.
#include "app/window/control_layout.h"
#include "app/window/frmondulix.h"
#include "app/window/preset_buttons.h"
#include "platform/graph_box.h"
#include "platform/pictures.h"
#include "platform/preset_button.h"
#include "platform/upward_scroll_bar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
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

QFont boldFont(double pointSize)
{
    QFont font(QString::fromLatin1(layout::kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(true);
    return font;
}

} // namespace

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
