#include "app/editor/edit_history.h"
#include "app/editor/played_depth.h"
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
    Wave wave() const { return readWave(window->features().editor.samples()); }
    int steps() const { return window->features().editor.history().done(); }
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

// A drag from harmonic 1 to 3 sets the three it passes to the pointer's level, in one undo step;
// the keys then choose, step and remove harmonics, and the button removes the offset, each a
// step of its own.
TEST_F(ShapeTest, DrawingKeysAndRemoveOffsetInTheHarmonicsWindowAreUndoSteps)
{
    preset(2)->click(); // a sine: nothing but its fundamental, at 0 dB
    HarmonicsView* view = openHarmonics();
    ASSERT_NE(view, nullptr);
    const Wave sine = wave();
    const int stepsBefore = steps();
    QTest::mousePress(view, Qt::LeftButton, {}, at(*view, 1, -20.0));
    QTest::mouseMove(view, at(*view, 3, -20.0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, at(*view, 3, -20.0));
    for (const int h : {1, 2, 3})
        EXPECT_NEAR(harmonicDecibels(wave(), h), -20.0, 0.5) << h;
    EXPECT_EQ(steps(), stepsBefore + 1);
    undo();
    EXPECT_EQ(wave(), sine);

    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    // Key, the harmonic chosen then, the fundamental's level then (-99: removed).
    const std::tuple<Qt::Key, int, double> keys[]
        = {{Qt::Key_Right, 4, 0.0}, {Qt::Key_Left, 3, 0.0}, {Qt::Key_Left, 2, 0.0},
            {Qt::Key_Left, 1, 0.0}, {Qt::Key_Left, 1, 0.0}, {Qt::Key_Down, 1, -1.0},
            {Qt::Key_Up, 1, 0.0}, {Qt::Key_Delete, 1, -99.0}};
    int stepsSeen = steps();
    for (const auto& [key, chosen, db] : keys) {
        QTest::keyClick(view, key);
        EXPECT_EQ(view->chosenHarmonic(), chosen);
        const double seen = harmonicDecibels(wave(), 1);
        EXPECT_NEAR(seen < kHarmonicScaleFloorDb ? -99.0 : seen, db, 0.1) << key;
        EXPECT_EQ(steps(), stepsSeen += key == Qt::Key_Left || key == Qt::Key_Right ? 0 : 1);
    }
    preset(2)->click();
    slider(0)->setLevel(500);
    EXPECT_NE(view->offsetText(), QStringLiteral("Offset: none"));
    QTest::mouseClick(&view->removeOffsetButton(), Qt::LeftButton);
    EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: none"));
    // Ctrl+H closes it from itself, as from the main window.
    QTest::keyClick(view, Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(view->isVisible());
}

// No two texts of the view overlap, nor leave it, however small it is and however large the font
// (what a scale of 2 does to the room the labels have); with room, all 16 numbers, the 4 marks of
// the scale, its unit, the depth and the offset are there, beside the button.
TEST_F(ShapeTest, TheHarmonicsLabelsNeverOverlap)
{
    HarmonicsView* view = openHarmonics();
    ASSERT_NE(view, nullptr);
    window->features().depth.setBits(5);
    for (const QSize size : {view->minimumSize(), QSize(320, 220), QSize(700, 400)}) {
        for (const double grow : {1.0, 2.0}) {
            QFont font = QApplication::font();
            font.setPointSizeF(font.pointSizeF() * grow);
            view->setFont(font);
            view->resize(size);
            const QList<QRectF> labels = view->labelRects();
            if (size.width() == 700 && grow == 1.0) {
                EXPECT_EQ(labels.size(), 16 + 4 + 1 + 1 + 1 + 1);
            }
            for (qsizetype i = 0; i < labels.size(); ++i) {
                EXPECT_TRUE(QRectF(view->rect()).contains(labels[i])) << i;
                for (qsizetype j = i + 1; j < labels.size(); ++j)
                    EXPECT_FALSE(labels[i].intersects(labels[j])) << grow << ": " << i << ", " << j;
            }
        }
    }
}

// Lines 3 to 5 as a formula of the line: one step that undoes them all; a refused formula says
// why, keeps the dialog open and changes nothing.
TEST_F(ShapeTest, AFormulaOverLinesIsOneStepAndARefusalChangesNothing)
{
    const PatternTable before = window->features().editor.table();
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
    EXPECT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(window->features().editor.table(), before);

    expression->setText("n * (x < 0.5 ? 0.01 : -0.01)");
    control<QSpinBox>("spnFrom")->setValue(3);
    control<QSpinBox>("spnTo")->setValue(5);
    control<QAbstractButton>("optAsWritten")->click();
    QTest::keyClick(expression, Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    for (int line = 1; line <= 6; ++line) {
        const int level = line >= 3 && line <= 5 ? 5 * line : 0;
        EXPECT_EQ(lineWave(window->features().editor.table(), line)[0], level) << line;
        EXPECT_EQ(lineWave(window->features().editor.table(), line)[31], -level) << line;
    }
    EXPECT_EQ(steps(), stepsBefore + 1);
    undo();
    EXPECT_EQ(window->features().editor.table(), before);
}

// At 4 bits the wave is put on the 16 levels in one step; on them already, it is left alone.
// Exact has nothing to round to, and says so.
TEST_F(ShapeTest, RoundToChipLevelsIsOneStepAndLeavesAWaveOnTheLevelsAlone)
{
    preset(2)->click();
    QAction* round = control<QAction>("actRoundToChipLevels");
    round->trigger();
    EXPECT_EQ(messages->messages.size(), 1) << "Exact: nothing to round to";
    const QList<QAction*> depths = control<QMenu>("mnuChipDepth")->actions();
    EXPECT_TRUE(depths[0]->isChecked() && !depths[1]->isChecked());
    depths[1]->trigger(); // 4 bits
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
