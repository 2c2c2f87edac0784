#include "widget/scroll_bar_parts.h"
#include "widget/window_fixture.h"

#include "wave/number_text.h"

#include <QClipboard>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <numeric>

using namespace ondulix;
using ondulix::testing::partOf;
using ondulix::testing::WindowTest;

namespace {

using Samples = std::array<int, kSampleCount>;

class PatternMemoryTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        handled = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::sampleChangeHandled);
        loaded = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::lineLoaded);
    }

    UpwardScrollBar* selector() const
    {
        return control<UpwardScrollBar>(QStringLiteral("VScroll1"));
    }
    QString lineLabel() const { return labelText(QStringLiteral("lblLine")); }

    // The upper arrow raises the line, the lower one lowers it.
    void clickArrow(QStyle::SubControl arrow) const
    {
        QTest::mouseClick(selector(), Qt::LeftButton, {}, partOf(selector(), arrow).center());
    }
    void lineUp() const { clickArrow(QStyle::SC_ScrollBarSubLine); }
    void lineDown() const { clickArrow(QStyle::SC_ScrollBarAddLine); }
    void click(const char* button) const
    {
        QTest::mouseClick(control<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }

    Samples sliderValues() const
    {
        Samples values {};
        for (int i = 0; i < kSampleCount; ++i)
            values[i] = slider(i)->level();
        return values;
    }
    void setSliders(const Samples& values) const
    {
        for (int i = 0; i < kSampleCount; ++i)
            slider(i)->setLevel(values[i]);
    }
    void fillLine(int line, const Samples& values) const
    {
        for (int i = 0; i < kSampleCount; ++i)
            window->patternTable().setCell(
                line, kFirstSampleRow + i, generalForm(values[i] / 1000.0));
    }
    std::vector<int> loadedLines() const
    {
        std::vector<int> lines;
        for (const QList<QVariant>& run : *loaded)
            lines.push_back(run.at(0).toInt());
        return lines;
    }
    std::vector<int> handledSamples() const
    {
        std::vector<int> indices;
        for (const QList<QVariant>& run : *handled)
            indices.push_back(run.at(0).toInt());
        return indices;
    }

    std::unique_ptr<QSignalSpy> handled;
    std::unique_ptr<QSignalSpy> loaded;
};

Samples ramp(int first, int step)
{
    Samples values {};
    for (int i = 0; i < kSampleCount; ++i)
        values[i] = first + step * i;
    return values;
}

TEST_F(PatternMemoryTest, DownFromLineOneShowsLineThirtyTwoAndUpFromThereLineOne)
{
    const Samples line32 = ramp(0, 15);
    const Samples line1 = ramp(250, -9);
    fillLine(32, line32);
    fillLine(1, line1);

    lineDown();
    EXPECT_EQ(selector()->level(), 32);
    EXPECT_EQ(lineLabel(), QStringLiteral("32"));
    EXPECT_EQ(sliderValues(), line32);
    // 0 pages in line 32 nested; the outer run finds every sample in place and writes none.
    EXPECT_EQ(loadedLines(), (std::vector<int> {32, 32}));
    EXPECT_EQ(handled->count(), 31); // sample 0 already held line 32's 0

    handled->clear();
    loaded->clear();
    lineUp();
    EXPECT_EQ(selector()->level(), 1);
    EXPECT_EQ(lineLabel(), QStringLiteral("1"));
    EXPECT_EQ(sliderValues(), line1);
    EXPECT_EQ(loadedLines(), (std::vector<int> {1, 1}));
    EXPECT_EQ(handled->count(), 32);
}

TEST_F(PatternMemoryTest, LineThreeComesBackAfterAVisitToTheEmptyLineFour)
{
    lineUp();
    lineUp();
    ASSERT_EQ(lineLabel(), QStringLiteral("3"));
    const Samples stored {500, -250, 0, 1};
    setSliders(stored);
    click("cmdGenMem");
    const char* texts[] = {"0.5", "-0.25", "0", "0.001"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(window->patternTable().cell(3, kFirstSampleRow + i), texts[i]) << i;
    EXPECT_EQ(window->patternTable().cell(3, kFirstFieldRow), "");
    EXPECT_EQ(window->patternTable().cell(4, kFirstSampleRow), "");

    lineUp();
    EXPECT_EQ(lineLabel(), QStringLiteral("4"));
    EXPECT_EQ(sliderValues(), Samples {});
    lineDown();
    EXPECT_EQ(lineLabel(), QStringLiteral("3"));
    EXPECT_EQ(sliderValues(), stored);
}

// The change handler, and with it the graph's redraw, runs once per sample the new line changes.
// (Qt may paint the graph box around a click as well; that repaints, it is not paging.)
TEST_F(PatternMemoryTest, PagingRunsTheChangeHandlerOncePerDifferingSample)
{
    for (const int differing : {0, 1, 7, 32}) {
        Samples line2 {};
        for (int i = 0; i < differing; ++i)
            line2[i] = 100 + i;
        fillLine(2, line2);
        handled->clear();

        lineUp();
        ASSERT_EQ(lineLabel(), QStringLiteral("2"));
        std::vector<int> changed(differing);
        std::iota(changed.begin(), changed.end(), 0);
        EXPECT_EQ(handledSamples(), changed);
        lineDown(); // back to the empty line 1
        EXPECT_EQ(sliderValues(), Samples {});
    }
}

TEST_F(PatternMemoryTest, PagingToTheSamplesAlreadyShownDrawsNothing)
{
    const Samples values = ramp(-31, 2);
    setSliders(values);
    fillLine(2, values);
    window->patternTable().setCell(2, kFirstSampleRow + 5, "-.021"); // same value, other text
    handled->clear();
    lineUp();
    EXPECT_EQ(lineLabel(), QStringLiteral("2"));
    EXPECT_EQ(handled->count(), 0);
}

TEST_F(PatternMemoryTest, TheReadoutsShowTheLastSampleThatPagingChanged)
{
    slider(31)->setLevel(40);
    Samples line2 {};
    line2[3] = -7;
    line2[17] = 250;
    line2[31] = 40;
    fillLine(2, line2);
    handled->clear();
    lineUp();
    EXPECT_EQ(handledSamples(), (std::vector<int> {3, 17}));
    EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QStringLiteral("18"));
    EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QStringLiteral("0.25"));
}

TEST_F(PatternMemoryTest, ACellOutsideTheSampleRangePagesInAtTheNearerEnd)
{
    auto& table = window->patternTable();
    const char* texts[] = {"1e300", "-1e999", "0.7", "-32.769", " .5", "abc"};
    for (int i = 0; i < 6; ++i)
        table.setCell(2, kFirstSampleRow + i, texts[i]);
    lineUp();
    const Samples expected {500, -500, 500, -500, 500, 0};
    EXPECT_EQ(sliderValues(), expected);
}

TEST_F(PatternMemoryTest, DraggingTheSelectorThumbPagesOnceOnRelease)
{
    fillLine(32, ramp(1, 1));
    UpwardScrollBar* bar = selector();
    // At its laid-out size the bar is all arrows; the thumb shows once it is taller, and
    // when paging happens does not depend on the size.
    bar->resize(bar->width(), 200);
    const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    ASSERT_FALSE(partOf(bar, QStyle::SC_ScrollBarSlider).isEmpty());
    const QPoint below(thumb.x(), bar->height() + 200);
    QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
    QTest::mouseMove(bar, thumb + QPoint(0, 3));
    QTest::mouseMove(bar, below);
    EXPECT_EQ(loaded->count(), 0);
    EXPECT_EQ(lineLabel(), QStringLiteral("1"));

    QTest::mouseRelease(bar, Qt::LeftButton, {}, below);
    EXPECT_EQ(bar->level(), 32);
    EXPECT_EQ(lineLabel(), QStringLiteral("32"));
    EXPECT_EQ(loadedLines(), (std::vector<int> {32, 32}));
    EXPECT_EQ(sliderValues(), ramp(1, 1));
}

TEST_F(PatternMemoryTest, GenerateToClipboardReplacesWhateverTheClipboardHeld)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    auto* earlier = new QMimeData;
    earlier->setHtml(QStringLiteral("<b>old</b>"));
    earlier->setText(QStringLiteral("old"));
    clipboard->setMimeData(earlier);

    setSliders({500, -250, 0, 1});
    click("cmdGenerate");
    QString expected = QStringLiteral("ABC\t .5\t-.25\t 0\t .001");
    for (int i = 0; i < 28; ++i)
        expected += QStringLiteral("\t 0");
    EXPECT_EQ(clipboard->text(), expected);
    EXPECT_EQ(clipboard->mimeData()->formats(), QStringList {QStringLiteral("text/plain")});
    EXPECT_EQ(sliderValues(), (Samples {500, -250, 0, 1}));
}

} // namespace
