#include "widget/scroll_bar_parts.h"
#include "widget/window_fixture.h"

#include "wave/graph.h"

#include <QSignalSpy>

using namespace ondulix;
using ondulix::testing::partOf;
using ondulix::testing::WindowTest;

namespace {

class SampleSliderTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        handled = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::sampleChangeHandled);
    }

    std::unique_ptr<QSignalSpy> handled;
};

TEST_F(SampleSliderTest, TheUpperEndIsTheLargerValue)
{
    UpwardScrollBar* bar = slider(7);
    QTest::mouseClick(bar, Qt::LeftButton, {}, partOf(bar, QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(bar->level(), 1);
    QTest::mouseClick(bar, Qt::LeftButton, {}, partOf(bar, QStyle::SC_ScrollBarAddLine).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, partOf(bar, QStyle::SC_ScrollBarAddLine).center());
    EXPECT_EQ(bar->level(), -1);
    // A click in the trough above the thumb moves by one step up.
    QTest::mouseClick(
        bar, Qt::LeftButton, {}, partOf(bar, QStyle::SC_ScrollBarSubPage).topLeft() + QPoint(4, 4));
    EXPECT_EQ(bar->level(), 0);

    bar->setFocus();
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Up, 1}, {Qt::Key_PageUp, 2}, {Qt::Key_Down, 1},
        {Qt::Key_PageDown, 0}, {Qt::Key_Home, 500}, {Qt::Key_End, -500}};
    for (const auto& [key, level] : keys) {
        QTest::keyClick(bar, key);
        EXPECT_EQ(bar->level(), level) << key;
    }
}

TEST_F(SampleSliderTest, TheThumbAtTheTopIsFullScaleAndAtTheBottomNegativeFullScale)
{
    UpwardScrollBar* bar = slider(0);
    const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, QPoint(thumb.x(), -200));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(thumb.x(), -200));
    EXPECT_EQ(bar->level(), 500);

    const QPoint top = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, top);
    QTest::mouseMove(bar, QPoint(top.x(), bar->height() + 200));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(top.x(), bar->height() + 200));
    EXPECT_EQ(bar->level(), -500);
}

TEST_F(SampleSliderTest, AChangeShowsTheSliderAndItsValueAndRedrawsOnce)
{
    const struct
    {
        int index, value;
        const char *number, *valueText;
    } cases[] = {{0, 500, "1", "0.5"}, {31, -1, "32", "-0.001"}, {12, 250, "13", "0.25"},
        {12, 0, "13", "0"}};
    for (const auto& c : cases) {
        const long redraws = graph()->redrawCount();
        handled->clear();
        slider(c.index)->setLevel(c.value);
        EXPECT_EQ(handled->count(), 1);
        EXPECT_EQ(graph()->redrawCount(), redraws + 1);
        EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QString::fromLatin1(c.number));
        EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QString::fromLatin1(c.valueText));
    }
    // The graph shows the samples as they are now: 500 at 0, -1 at 31, 0 at 12.
    const auto& lines = graph()->picture().lines();
    ASSERT_EQ(lines.size(), 37u);
    EXPECT_EQ(lines[6], (GraphLine {0, 0, 121, 1878, kCurveColour}));
    EXPECT_EQ(lines[36], (GraphLine {3630, 1878, 3751, 1881, kCurveColour}));
}

TEST_F(SampleSliderTest, WritingTheValueASliderHoldsRunsNothing)
{
    slider(4)->setLevel(120);
    const long redraws = graph()->redrawCount();
    handled->clear();
    slider(4)->setLevel(120);
    slider(5)->setLevel(0);
    EXPECT_EQ(handled->count(), 0);
    EXPECT_EQ(graph()->redrawCount(), redraws);
    EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QStringLiteral("5"));
}

TEST_F(SampleSliderTest, DraggingAThumbUpdatesReadoutsAndGraphBeforeTheRelease)
{
    UpwardScrollBar* bar = slider(9);
    const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QStringList shown;
    for (int dy = 10; dy <= 40; dy += 10) {
        QTest::mouseMove(bar, thumb - QPoint(0, dy));
        shown << labelText(QStringLiteral("lblSlideVal"));
        EXPECT_EQ(graph()->picture().lines()[6 + 9].y1, sampleHeight(bar->level()));
    }
    EXPECT_EQ(shown.size(), 4);
    EXPECT_EQ(shown.removeDuplicates(), 0) << shown.join(QLatin1Char(',')).toStdString();
    EXPECT_GT(bar->level(), 0);
    EXPECT_EQ(handled->count(), 4);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb - QPoint(0, 40));
    EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QStringLiteral("10"));
}

TEST_F(SampleSliderTest, LineSelectorUpperArrowGoesToTheNextLine)
{
    auto* selector = control<UpwardScrollBar>(QStringLiteral("VScroll1"));
    QTest::mouseClick(
        selector, Qt::LeftButton, {}, partOf(selector, QStyle::SC_ScrollBarSubLine).center());
    EXPECT_EQ(selector->level(), 2);
    EXPECT_EQ(selector->minimum(), -33);
    EXPECT_EQ(selector->maximum(), 0);
    EXPECT_FALSE(selector->hasTracking());
}

// What the screen shows: a paint redraws from the samples and puts the picture on the box.
TEST_F(SampleSliderTest, APaintRedrawsAndShowsTheCurveOverTheGrid)
{
    slider(0)->setLevel(500);
    const long redraws = graph()->redrawCount();
    const QImage image = graph()->grab().toImage();
    EXPECT_EQ(graph()->redrawCount(), redraws + 1);

    const QPoint origin = graph()->contentsRect().topLeft();
    const auto at = [&](int unitsX, int unitsY) {
        return image.pixelColor(origin + QPoint(unitsX / 15, unitsY / 15));
    };
    EXPECT_EQ(at(3000, 3000), QColor(0, 64, 0));
    EXPECT_EQ(at(1877, 3000), QColor(0, 150, 0)); // vertical centre line
    EXPECT_EQ(at(3000, 939), QColor(0, 100, 0)); // upper quarter line
    EXPECT_EQ(at(3000, 1878), QColor(0, 255, 0)); // the flat curve, over the centre line
    EXPECT_EQ(at(0, 0), QColor(0, 255, 0)); // sample 0 at full scale
}

} // namespace
