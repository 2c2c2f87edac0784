#include "app/edit_history.h"
#include "app/played_depth.h"
#include "pattern/line_waves.h"
#include "platform/harmonics_view.h"
#include "wave/chip_depth.h"
#include "wave/harmonic_edit.h"
#include "widget/window_fixture.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QSpinBox>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

class ShapeTest : public WindowTest
{
protected:
    Wave wave() const { return readWave(window->features().samples); }
    int steps() const { return window->features().history.steps().index(); }
    void undo() const
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    }
    HarmonicsView* openHarmonics() const
    {
        QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
        auto* view = window->findChild<HarmonicsView*>();
        EXPECT_TRUE(view != nullptr && QTest::qWaitForWindowExposed(view));
        return view;
    }
    // Where harmonic h is drawn at `decibels` on the view's scale.
    static QPoint at(const HarmonicsView& view, int harmonic, double decibels)
    {
        const QRectF column = view.column(harmonic);
        return QPointF(
            column.center().x(), column.top() + heightOfDecibels(decibels) * column.height())
            .toPoint();
    }
};

// A drag from harmonic 2 to 4 sets the three it passes to the pointer's level, in one undo step;
// the keys then choose, step and remove harmonics, each press a step of its own.
TEST_F(ShapeTest, DrawingAndKeysInTheHarmonicsWindowEditTheWaveAsUndoSteps)
{
    preset(2)->click(); // a sine: nothing but its fundamental
    HarmonicsView* view = openHarmonics();
    ASSERT_NE(view, nullptr);
    const Wave sine = wave();
    const int stepsBefore = steps();
    QTest::mousePress(view, Qt::LeftButton, {}, at(*view, 2, -20.0));
    QTest::mouseMove(view, at(*view, 4, -20.0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(*view, 4, -20.0));
    for (const int h : {2, 3, 4})
        EXPECT_NEAR(harmonicDecibels(wave(), h), -20.0, 0.5) << h;
    EXPECT_NEAR(view->barLevels()[2], -20.0, 0.5) << "the view follows the wave";
    EXPECT_EQ(steps(), stepsBefore + 1);
    undo();
    EXPECT_EQ(wave(), sine);

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    struct Key
    {
        Qt::Key key;
        int chosen;
        double fundamentalDb; // below the scale: removed
    };
    const double sineDb = harmonicDecibels(sine, 1);
    const Key keys[]
        = {{Qt::Key_Right, 5, sineDb}, {Qt::Key_Left, 4, sineDb}, {Qt::Key_Left, 3, sineDb},
            {Qt::Key_Left, 2, sineDb}, {Qt::Key_Left, 1, sineDb}, {Qt::Key_Left, 1, sineDb},
            {Qt::Key_Down, 1, sineDb - 1.0}, {Qt::Key_Up, 1, sineDb}, {Qt::Key_Delete, 1, -100.0}};
    int stepsSeen = steps();
    for (const Key& key : keys) {
        QTest::keyClick(view, key.key);
        EXPECT_EQ(view->chosenHarmonic(), key.chosen);
        const double db = harmonicDecibels(wave(), 1);
        EXPECT_TRUE(std::abs(db - key.fundamentalDb) < 0.1
            || (key.fundamentalDb < kHarmonicScaleFloorDb && db < kHarmonicScaleFloorDb))
            << key.key << ": " << db;
        const bool edits = key.key != Qt::Key_Left && key.key != Qt::Key_Right;
        EXPECT_EQ(steps(), stepsSeen += edits ? 1 : 0) << key.key;
    }
    // Ctrl+H closes it from itself, as from the main window.
    QTest::keyClick(view, Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(view->isVisible());
}

// The offset goes in one step, from the window's button as from the graph's menu.
TEST_F(ShapeTest, RemoveOffsetTakesTheMeanOut)
{
    HarmonicsView* view = openHarmonics();
    ASSERT_NE(view, nullptr);
    for (QAbstractButton* remove : {static_cast<QAbstractButton*>(&view->removeOffsetButton()),
             static_cast<QAbstractButton*>(nullptr)}) {
        preset(2)->click(); // a sine, 0 at sample 0
        slider(0)->setLevel(500);
        EXPECT_NE(view->offsetText(), QStringLiteral("Offset: none"));
        if (remove)
            QTest::mouseClick(remove, Qt::LeftButton);
        else
            control<QAction>("actRemoveOffset")->trigger();
        EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: none"));
    }
}

// No two texts of the view overlap, nor leave it, however small it is and however large the font
// (what a scale of 2 does to the room the labels have).
TEST_F(ShapeTest, TheHarmonicsLabelsNeverOverlap)
{
    HarmonicsView* view = openHarmonics();
    ASSERT_NE(view, nullptr);
    for (const QSize size : {view->minimumSize(), QSize(320, 220), QSize(700, 400)}) {
        for (const double grow : {1.0, 2.0}) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * grow);
            view->setFont(font);
            view->resize(size);
            const QList<QRectF> labels = view->labelRects();
            for (qsizetype i = 0; i < labels.size(); ++i) {
                EXPECT_TRUE(QRectF(view->rect()).contains(labels[i])) << i;
                for (qsizetype j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(labels[i].intersects(labels[j]))
                        << size.width() << "x" << size.height() << " x" << grow << ": " << i
                        << " and " << j;
            }
        }
    }
}

// Lines 3 to 5 as a formula of the line: one step that undoes them all; a refused formula says
// why, keeps the dialog open and changes nothing.
TEST_F(ShapeTest, AFormulaOverLinesIsOneStepAndARefusalChangesNothing)
{
    const PatternTable before = window->features().table;
    const int stepsBefore = steps();
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    auto* dialog = window->findChild<QDialog*>("formulaDialog");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    auto* expression = control<QLineEdit>("txtFormula");
    EXPECT_TRUE(QTest::qWaitFor([expression] { return expression->hasFocus(); }));
    EXPECT_EQ(expression->selectedText(), expression->text());
    QTest::keyClicks(expression, "sin(2*pi*x");
    QTest::keyClick(expression, Qt::Key_Return);
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith("The formula was not applied"))
        << messages->messages[0].toStdString();
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(window->features().table, before);

    expression->setText("n * (x < 0.5 ? 0.01 : -0.01)");
    control<QSpinBox>("spnFrom")->setValue(3);
    control<QSpinBox>("spnTo")->setValue(5);
    control<QAbstractButton>("optAsWritten")->click();
    QTest::keyClick(expression, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    for (int line = 1; line <= 6; ++line) {
        const int level = line >= 3 && line <= 5 ? 5 * line : 0;
        EXPECT_EQ(lineWave(window->features().table, line)[0], level) << line;
        EXPECT_EQ(lineWave(window->features().table, line)[31], -level) << line;
    }
    EXPECT_EQ(steps(), stepsBefore + 1);
    undo();
    EXPECT_EQ(window->features().table, before);
}

// At 4 bits the wave is put on the 16 levels in one step; on them already, it is left alone.
// Exact has nothing to round to, and says so.
TEST_F(ShapeTest, RoundToChipLevelsIsOneStepAndLeavesAWaveOnTheLevelsAlone)
{
    preset(2)->click();
    QAction* round = control<QAction>("actRoundToChipLevels");
    round->trigger();
    EXPECT_EQ(messages->messages.size(), 1) << "Exact: nothing to round to";
    window->features().depth.setBits(4);
    const Wave sine = wave();
    const int stepsBefore = steps();
    round->trigger();
    EXPECT_EQ(wave(), onChipLevels(sine, 4));
    EXPECT_NE(wave(), sine);
    round->trigger();
    EXPECT_EQ(steps(), stepsBefore + 1);
    undo();
    EXPECT_EQ(wave(), sine);
    // Drawing on the graph lands on the levels too: where it draws 260 when Exact.
    const QPoint corner = graph()->contentsRect().topLeft();
    QTest::mousePress(graph(), Qt::LeftButton, {}, corner + QPoint(8, 40));
    QTest::mouseMove(graph(), corner + QPoint(125, 60));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, corner + QPoint(125, 60));
    EXPECT_EQ(slider(15)->level(), onChipLevel(260, 4));
}

} // namespace
