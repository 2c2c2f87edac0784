#include "widget/window_fixture.h"

#include "pattern/pattern_table.h"
#include "unit/array_sample_set.h"
#include "wave/normalization.h"
#include "wave/presets.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QGuiApplication>
#include <QSignalSpy>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;
using ondulix::testing::WindowTest;

namespace {

// Walks the window with the keyboard alone: Tab from stop to stop, and at each stop the keys
// that run its operation. Pointer drawing is the one operation left to the mouse.
class KeyboardRouteTest : public WindowTest
{
protected:
    QWidget* focused() const { return QApplication::focusWidget(); }

    std::vector<int> samples() const
    {
        std::vector<int> values;
        for (int i = 0; i < kSampleCount; ++i)
            values.push_back(slider(i)->level());
        return values;
    }

    // A fixed preset after the normalization that follows it.
    static std::vector<int> presetShape(Preset preset)
    {
        ArraySampleSet shape;
        for (int i = 0; i < kSampleCount; ++i)
            shape.values.at(i) = fixedPresetSample(preset, i);
        normalize(shape);
        return {shape.values.begin(), shape.values.end()};
    }

    // Tab once; the focus must land on `name`.
    void tabTo(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(focused(), Qt::Key_Tab, modifiers);
        ASSERT_NE(focused(), nullptr);
        ASSERT_EQ(focused()->objectName(), name);
    }

    void key(Qt::Key key) { QTest::keyClick(focused(), key); }

    // Space presses the focused button and the click follows when it comes up again.
    void pressWithSpace()
    {
        auto* button = qobject_cast<QAbstractButton*>(focused());
        ASSERT_NE(button, nullptr);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        key(Qt::Key_Space);
        EXPECT_EQ(clicked.count(), 1) << button->objectName().toStdString();
    }

    // The buttons that open a file dialog: Space takes the button down, which is all that a test
    // without a person to answer the dialog may do; Escape lets it go without a click.
    void pressWithSpaceAndCancel()
    {
        auto* button = qobject_cast<QAbstractButton*>(focused());
        ASSERT_NE(button, nullptr);
        QSignalSpy pressed(button, &QAbstractButton::pressed);
        QSignalSpy clicked(button, &QAbstractButton::clicked);
        QTest::keyPress(button, Qt::Key_Space);
        EXPECT_TRUE(button->isDown()) << button->objectName().toStdString();
        EXPECT_EQ(pressed.count(), 1);
        QTest::keyClick(button, Qt::Key_Escape);
        EXPECT_FALSE(button->isDown());
        EXPECT_EQ(clicked.count(), 0);
    }
};

TEST_F(KeyboardRouteTest, TabReachesEveryOperationAndKeysRunIt)
{
    ASSERT_EQ(focused(), slider(0));
    key(Qt::Key_Up);
    EXPECT_EQ(slider(0)->level(), 1);
    for (int i = 1; i < 32; ++i) {
        ASSERT_NO_FATAL_FAILURE(tabTo(QStringLiteral("vSlide(%1)").arg(i)));
        key(Qt::Key_PageDown);
        EXPECT_EQ(slider(i)->level(), -1) << i;
    }
    ASSERT_NO_FATAL_FAILURE(tabTo("pWave")); // pointer drawing: the mouse's own

    // The preset group is one stop. Space sets the button that has the focus; from a set
    // button the arrow keys move through the group and set the button they land on.
    ASSERT_NO_FATAL_FAILURE(tabTo("optWave(5)"));
    ASSERT_NO_FATAL_FAILURE(pressWithSpace());
    EXPECT_TRUE(preset(5)->isChecked());
    EXPECT_EQ(samples(), presetShape(Preset::Triangle));
    key(Qt::Key_Right);
    EXPECT_EQ(focused(), preset(4));
    EXPECT_TRUE(preset(4)->isChecked());
    EXPECT_EQ(samples(), presetShape(Preset::Ramp1));

    ASSERT_NO_FATAL_FAILURE(tabTo("cmdGenerate"));
    QGuiApplication::clipboard()->clear();
    ASSERT_NO_FATAL_FAILURE(pressWithSpace());
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("ABC\t")));

    for (const char* fileOperation : {"cmdOpen", "cmdSave", "cmdConfigure"}) {
        ASSERT_NO_FATAL_FAILURE(tabTo(QString::fromLatin1(fileOperation)));
        ASSERT_NO_FATAL_FAILURE(pressWithSpaceAndCancel());
    }

    ASSERT_NO_FATAL_FAILURE(tabTo("cmdGenMem"));
    slider(0)->setLevel(250);
    ASSERT_NO_FATAL_FAILURE(pressWithSpace());
    EXPECT_EQ(window->patternTable().cell(1, kFirstSampleRow), "0.25");

    ASSERT_NO_FATAL_FAILURE(tabTo("VScroll1"));
    key(Qt::Key_Up);
    EXPECT_EQ(labelText(QStringLiteral("lblLine")), QStringLiteral("2"));
    key(Qt::Key_Down);
    key(Qt::Key_Down);
    EXPECT_EQ(labelText(QStringLiteral("lblLine")), QStringLiteral("32"));

    ASSERT_NO_FATAL_FAILURE(tabTo("cmdNormal"));
    for (int i = 0; i < 32; ++i)
        slider(i)->setLevel(i == 9 ? -125 : 0);
    slider(3)->setLevel(100);
    ASSERT_NO_FATAL_FAILURE(pressWithSpace());
    EXPECT_EQ(slider(9)->level(), -500);
    EXPECT_EQ(slider(3)->level(), 400);

    ASSERT_NO_FATAL_FAILURE(tabTo("vSlide(0)"));
}

// "Make Mem File" joins the route between "Save CSV" and "Configure Quenfer path" once a
// compiler is known.
TEST_F(KeyboardRouteTest, MakeMemFileIsReachedOnceEnabled)
{
    control(QStringLiteral("cmdQuenfer"))->setEnabled(true);
    control(QStringLiteral("cmdSave"))->setFocus();
    ASSERT_NO_FATAL_FAILURE(tabTo("cmdQuenfer"));
    ASSERT_NO_FATAL_FAILURE(pressWithSpaceAndCancel());
    ASSERT_NO_FATAL_FAILURE(tabTo("cmdConfigure"));
}

// Backwards, the preset group is one stop as well, entered at the last button of its tab order.
TEST_F(KeyboardRouteTest, ShiftTabWalksTheRouteBackwards)
{
    const char* backwards[] = {"cmdNormal", "optWave(8)", "VScroll1", "cmdGenMem", "cmdConfigure",
        "cmdSave", "cmdOpen", "cmdGenerate", "pWave", "vSlide(31)", "vSlide(30)"};
    for (const char* name : backwards)
        ASSERT_NO_FATAL_FAILURE(tabTo(QString::fromLatin1(name), Qt::ShiftModifier));
}

} // namespace
