#include "widget/window_fixture.h"

#include <QCheckBox>
#include <QSignalSpy>

using namespace ondulix;
using ondulix::testing::WindowTest;

namespace {

class GraphDrawingTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        handled = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::sampleChangeHandled);
    }

    // A point of the graph's drawing area, in whole pixels of 15 graph units from its corner.
    QPoint at(int x, int y) const { return graph()->contentsRect().topLeft() + QPoint(x, y); }
    QCheckBox* drawFlag() const { return control<QCheckBox>(QStringLiteral("chkDraw")); }

    std::vector<int> changedSamples() const
    {
        std::vector<int> indices;
        for (const QList<QVariant>& call : *handled)
            indices.push_back(call.at(0).toInt());
        return indices;
    }

    // Moves as a screen at a fractional scale reports them, in logical pixels with fractions.
    void moveTo(QPointF inner, Qt::MouseButtons held, Qt::KeyboardModifiers keys = {})
    {
        const QPointF local = inner + graph()->contentsRect().topLeft();
        QMouseEvent move(QEvent::MouseMove, local, graph()->mapToGlobal(local), Qt::NoButton, held,
            keys, QPointingDevice::primaryPointingDevice());
        QApplication::sendEvent(graph(), &move);
    }

    std::unique_ptr<QSignalSpy> handled;
};

TEST_F(GraphDrawingTest, ALeftDragDrawsRightAfterStartUp)
{
    QTest::mousePress(graph(), Qt::LeftButton, {}, at(8, 40));
    EXPECT_EQ(slider(1)->level(), 0) << "a press alone sets nothing";

    const struct
    {
        int x, y, column, value;
    } moves[] = {{8, 40, 1, 340}, {0, 0, 0, 500}, {125, 60, 15, 260}, {250, 250, 31, -500}};
    for (const auto& m : moves) {
        QTest::mouseMove(graph(), at(m.x, m.y));
        EXPECT_EQ(slider(m.column)->level(), m.value) << m.x << ", " << m.y;
        EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QString::number(m.column + 1));
    }
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(250, 250));
    EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QStringLiteral("-0.5"));
    EXPECT_EQ(changedSamples(), (std::vector<int> {1, 0, 15, 31}));
    EXPECT_EQ(graph()->picture().lines().back().y2, 3755);
}

TEST_F(GraphDrawingTest, MovingOntoTheValueASampleHoldsRunsNothing)
{
    QTest::mousePress(graph(), Qt::LeftButton, {}, at(8, 40));
    QTest::mouseMove(graph(), at(8, 40));
    const long redraws = graph()->redrawCount();
    QTest::mouseMove(graph(), at(9, 40)); // the same column and value
    EXPECT_EQ(graph()->redrawCount(), redraws);
    EXPECT_EQ(handled->count(), 1);
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(9, 40));
}

TEST_F(GraphDrawingTest, NoButtonOrLeftWithAnotherButtonChangesNothing)
{
    QTest::mouseMove(graph(), at(8, 40));
    QTest::mouseMove(graph(), at(100, 10));
    EXPECT_EQ(handled->count(), 0);

    QTest::mousePress(graph(), Qt::LeftButton, {}, at(8, 40));
    QTest::mousePress(graph(), Qt::RightButton, {}, at(8, 40));
    QTest::mouseMove(graph(), at(8, 50));
    QTest::mouseMove(graph(), at(100, 10));
    EXPECT_EQ(handled->count(), 0);

    // Letting go of the right button leaves the left alone, which draws again.
    QTest::mouseRelease(graph(), Qt::RightButton, {}, at(100, 10));
    QTest::mouseMove(graph(), at(100, 20));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(100, 20));
    EXPECT_EQ(changedSamples(), (std::vector<int> {12}));
    EXPECT_EQ(slider(12)->level(), 420);
}

TEST_F(GraphDrawingTest, WhileDisarmedDragsDoNothingUntilAClickOnTheGraph)
{
    drawFlag()->setChecked(false); // as a file operation leaves it

    QTest::mousePress(graph(), Qt::LeftButton, {}, at(50, 50));
    QTest::mouseMove(graph(), at(60, 60));
    QTest::mouseMove(graph(), at(70, 70));
    EXPECT_EQ(handled->count(), 0);
    EXPECT_FALSE(drawFlag()->isChecked());
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(70, 70));
    EXPECT_TRUE(drawFlag()->isChecked()) << "the release over the graph completes a click";
    EXPECT_EQ(handled->count(), 0) << "a click sets no sample";

    QTest::mousePress(graph(), Qt::LeftButton, {}, at(70, 70));
    QTest::mouseMove(graph(), at(80, 80));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(80, 80));
    EXPECT_EQ(changedSamples(), (std::vector<int> {10}));
}

TEST_F(GraphDrawingTest, APressReleasedOutsideTheGraphDoesNotArm)
{
    drawFlag()->setChecked(false);
    QTest::mousePress(graph(), Qt::LeftButton, {}, at(50, 50));
    QTest::mouseMove(graph(), QPoint(graph()->width() + 30, 50));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, QPoint(graph()->width() + 30, 50));
    EXPECT_FALSE(drawFlag()->isChecked());
}

TEST_F(GraphDrawingTest, MovesOutsideTheGraphDuringADragAreIgnored)
{
    QTest::mousePress(graph(), Qt::LeftButton, {}, at(100, 100));
    // Past every edge: one pixel (15 units) beyond the accepted window, and far off the box.
    const QPoint outside[] = {at(-1, 100), at(100, -1), at(251, 100), at(100, 251), at(-40, -40),
        QPoint(graph()->width() + 50, graph()->height() / 2), QPoint(20, graph()->height() + 60)};
    for (const QPoint& p : outside)
        QTest::mouseMove(graph(), p);
    EXPECT_EQ(handled->count(), 0);
    QTest::mouseMove(graph(), at(100, 100));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(100, 100));
    EXPECT_EQ(changedSamples(), (std::vector<int> {12}));
}

TEST_F(GraphDrawingTest, AFastMoveSetsOnlyTheColumnsItLandsIn)
{
    QTest::mousePress(graph(), Qt::LeftButton, {}, at(24, 100));
    QTest::mouseMove(graph(), at(24, 100)); // 360 units: column 3
    QTest::mouseMove(graph(), at(72, 20)); // 1080 units: column 9
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, at(72, 20));
    EXPECT_EQ(changedSamples(), (std::vector<int> {3, 9}));
    EXPECT_EQ(slider(3)->level(), 100);
    EXPECT_EQ(slider(9)->level(), 420);
    for (int i = 4; i < 9; ++i)
        EXPECT_EQ(slider(i)->level(), 0) << i;
}

// At a fractional scale the pointer can stand on graph units just past the edge sample or full
// scale; such a move draws at the edge, whatever modifier keys are held.
TEST_F(GraphDrawingTest, FractionalPositionsPastTheEdgeDrawAtTheEdge)
{
    moveTo({250.35, 250.3}, Qt::LeftButton, Qt::ShiftModifier); // 3755.25, 3754.5 units
    EXPECT_EQ(slider(31)->level(), -500);
    moveTo({-0.05, -0.05}, Qt::LeftButton, Qt::ControlModifier); // -0.75 units
    EXPECT_EQ(slider(0)->level(), 500);
    moveTo({250.35, -0.06}, Qt::LeftButton, Qt::AltModifier);
    EXPECT_EQ(slider(31)->level(), 500);
    moveTo({250.45, 100}, Qt::LeftButton); // 3756.75 units: outside
    moveTo({-0.07, 100}, Qt::LeftButton); // -1.05 units: outside
    EXPECT_EQ(changedSamples(), (std::vector<int> {31, 0, 31}));
}

} // namespace
