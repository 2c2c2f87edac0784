#include "widget/window_fixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

using namespace ondulix;
using ondulix::testing::WindowTest;

namespace {

struct Placement
{
    const char* name;
    int left, top, width, height; // twips, relative to the container
    const char* container;
};

QRect pixelsOf(const Placement& p)
{
    const auto px = [](int twips) { return qRound(twips / 15.0); };
    return {px(p.left), px(p.top), px(p.width), px(p.height)};
}

const Placement kPlacements[] = {
    {"pWave", 120, 120, 3855, 3855, "frmOndulix"},
    {"lblLable", 1440, 7680, 1335, 255, "frmOndulix"},
    {"lblSLideNo", 1320, 7920, 375, 255, "frmOndulix"},
    {"lblSlideVal", 1800, 7920, 1095, 255, "frmOndulix"},
    {"chkDraw", 120, 7800, 255, 375, "frmOndulix"},
    {"cmdOpen", 4080, 120, 2055, 375, "frmOndulix"},
    {"cmdSave", 4080, 600, 2055, 375, "frmOndulix"},
    {"Label1", 4080, 1080, 2055, 855, "frmOndulix"},
    {"cmdConfigure", 4080, 2040, 2055, 375, "frmOndulix"},
    {"cmdQuenfer", 4080, 2520, 2055, 375, "frmOndulix"},
    {"frPreset", 4080, 3960, 2055, 2175, "frmOndulix"},
    {"cmdNormal", 4080, 6240, 2055, 255, "frmOndulix"},
    {"Frame1", 4080, 6480, 2055, 1215, "frmOndulix"},
    {"cmdGenMem", 120, 240, 1815, 375, "Frame1"},
    {"lblLine", 600, 720, 375, 375, "Frame1"},
    {"VScroll1", 960, 720, 375, 375, "Frame1"},
    {"cmdGenerate", 4080, 7800, 2055, 375, "frmOndulix"},
    {"optWave(0)", 120, 240, 600, 600, "frPreset"},
    {"optWave(2)", 720, 240, 600, 600, "frPreset"},
    {"optWave(1)", 1320, 240, 600, 600, "frPreset"},
    {"optWave(5)", 120, 840, 600, 600, "frPreset"},
    {"optWave(4)", 720, 840, 600, 600, "frPreset"},
    {"optWave(3)", 1320, 840, 600, 600, "frPreset"},
    {"optWave(6)", 120, 1440, 600, 600, "frPreset"},
    {"optWave(7)", 720, 1440, 600, 600, "frPreset"},
    {"optWave(8)", 1320, 1440, 600, 600, "frPreset"},
};

TEST_F(WindowTest, TitleAndFixedClientArea)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Ondulix - (Rev.0.0.5 -  2006/05/11)"));
    EXPECT_EQ(window->size(), QSize(414, 549));
    EXPECT_EQ(window->minimumSize(), QSize(414, 549));
    EXPECT_EQ(window->maximumSize(), QSize(414, 549));
    const QList<QSize> iconSizes = window->windowIcon().availableSizes();
    EXPECT_TRUE(iconSizes.contains(QSize(16, 16)));
    EXPECT_TRUE(iconSizes.contains(QSize(32, 32)));
}

TEST_F(WindowTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    for (const Placement& p : kPlacements) {
        QWidget* widget = control(QString::fromLatin1(p.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), pixelsOf(p)) << p.name;
        EXPECT_EQ(widget->parentWidget()->objectName(), QString::fromLatin1(p.container)) << p.name;
    }
    for (int i = 0; i < 32; ++i) {
        const Placement p {"vSlide", 120 + 120 * i, 3960, 135, 3700, "frmOndulix"};
        EXPECT_EQ(slider(i)->geometry(), pixelsOf(p)) << i;
    }
    // Neighbouring sliders overlap by a pixel and the row spans the graph's width exactly.
    EXPECT_EQ(slider(31)->geometry().right(), graph()->geometry().right());
    EXPECT_EQ(slider(0)->geometry().left(), graph()->geometry().left());
}

TEST_F(WindowTest, CaptionsAndTooltips)
{
    const std::pair<const char*, const char*> buttons[] = {{"cmdOpen", "Open CSV"},
        {"cmdSave", "Save CSV"}, {"cmdConfigure", "Configure Quenfer path"},
        {"cmdQuenfer", "Make Mem File"}, {"cmdNormal", "Normalize"},
        {"cmdGenMem", "Generate to Memory"}, {"cmdGenerate", "Generate to  Clipboard"}};
    for (const auto& [name, caption] : buttons)
        EXPECT_EQ(control<QAbstractButton>(QString::fromLatin1(name))->text(),
            QString::fromLatin1(caption));

    EXPECT_EQ(labelText(QStringLiteral("lblLable")), QStringLiteral("#         Value"));
    EXPECT_FALSE(labelText(QStringLiteral("Label1")).isEmpty());
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("frPreset"))->title(), QStringLiteral("Presets"));
    EXPECT_EQ(control<QGroupBox>(QStringLiteral("Frame1"))->title(), QString());
    EXPECT_EQ(graph()->toolTip(), QStringLiteral("Click and Drag Pointer"));

    const char* names[] = {"Reset", "Square", "Sine", "Ramp2", "Ramp1", "Traingle", "Double Sine",
        "Random Existing", "Random"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(preset(i)->toolTip(), QString::fromLatin1(names[i]));
        EXPECT_TRUE(
            preset(i)->text().isEmpty() || preset(i)->toolButtonStyle() == Qt::ToolButtonIconOnly);
        EXPECT_FALSE(preset(i)->icon().isNull()) << i;
    }
}

TEST_F(WindowTest, FontsBordersAndColours)
{
    EXPECT_TRUE(control(QStringLiteral("lblLable"))->font().bold());
    const QFont lineFont = control(QStringLiteral("lblLine"))->font();
    EXPECT_TRUE(lineFont.bold());
    EXPECT_DOUBLE_EQ(lineFont.pointSizeF(), 12.0);
    EXPECT_DOUBLE_EQ(control(QStringLiteral("cmdOpen"))->font().pointSizeF(), 8.25);
    for (const char* name : {"lblSLideNo", "lblSlideVal", "lblLine", "Label1"}) {
        auto* label = control<QLabel>(QString::fromLatin1(name));
        EXPECT_NE(label->frameShape(), QFrame::NoFrame) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
    }
    EXPECT_EQ(graph()->palette().color(QPalette::Window), QColor(0, 64, 0));
}

TEST_F(WindowTest, InitialState)
{
    for (int i = 0; i < 32; ++i)
        EXPECT_EQ(slider(i)->level(), 0) << i;
    auto* lineSelector = control<UpwardScrollBar>(QStringLiteral("VScroll1"));
    EXPECT_EQ(lineSelector->level(), 1);
    EXPECT_EQ(labelText(QStringLiteral("lblLine")), QStringLiteral("1"));
    EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QString());
    EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QString());
    EXPECT_TRUE(preset(0)->isChecked());
    for (int i = 1; i < 9; ++i)
        EXPECT_FALSE(preset(i)->isChecked()) << i;
    auto* drawFlag = control<QCheckBox>(QStringLiteral("chkDraw"));
    EXPECT_TRUE(drawFlag->isChecked());
    EXPECT_FALSE(drawFlag->isVisible());
    EXPECT_FALSE(control(QStringLiteral("cmdQuenfer"))->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), slider(0));
    EXPECT_FALSE(window->startupDirectory().empty());
}

// Tab walks the controls in the layout's order, passing over what cannot take the focus:
// labels, frames, the hidden drawing flag and the disabled "Make Mem File". The nine preset
// buttons are one option group, which Tab enters once; the arrow keys move inside it.
TEST_F(WindowTest, TabOrderPassesOverWhatCannotTakeTheFocus)
{
    QStringList expected;
    for (int i = 1; i < 32; ++i)
        expected << QStringLiteral("vSlide(%1)").arg(i);
    expected << QStringLiteral("pWave") << QStringLiteral("optWave(5)")
             << QStringLiteral("cmdGenerate") << QStringLiteral("cmdOpen")
             << QStringLiteral("cmdSave") << QStringLiteral("cmdConfigure")
             << QStringLiteral("cmdGenMem") << QStringLiteral("VScroll1")
             << QStringLiteral("cmdNormal") << QStringLiteral("vSlide(0)");

    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')), expected.join(QLatin1Char(' ')));
}

TEST_F(WindowTest, ArrowKeysMoveThroughThePresetGroup)
{
    preset(0)->setFocus();
    QStringList visited;
    for (Qt::Key key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Down}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        visited << QApplication::focusWidget()->objectName();
    }
    EXPECT_EQ(visited.join(QLatin1Char(' ')), QStringLiteral("optWave(2) optWave(1) optWave(3)"));
    // Moving inside the group sets the button it lands on.
    EXPECT_TRUE(preset(3)->isChecked());
    EXPECT_FALSE(preset(0)->isChecked());
}

TEST_F(WindowTest, TabFromSaveReachesMakeMemFileOnceItIsEnabled)
{
    control(QStringLiteral("cmdQuenfer"))->setEnabled(true);
    control(QStringLiteral("cmdSave"))->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), QStringLiteral("cmdQuenfer"));
}

} // namespace
