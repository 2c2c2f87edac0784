#include "widget/window_fixture.h"

#include <QPushButton>
#include <QSignalSpy>
#include <algorithm>
#include <array>
#include <cstdlib>

using namespace ondulix;
using ondulix::testing::WindowTest;

namespace {

using Samples = std::array<int, 32>;

enum PresetButtonIndex
{
    Reset,
    Square,
    Sine,
    Ramp2,
    Ramp1,
    Triangle,
    DoubleSine,
    Existing,
    Random
};

// Counts the screen's paints of a widget, each of which also redraws the graph.
class PaintCounter : public QObject
{
public:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
    long paints = 0;
};

// What one run of the preset selection left behind.
struct SelectionRun
{
    Samples samples;
    int setButton = -1;
    int changesSoFar = 0;
    long redrawsSoFar = 0; // by the program, not counting the screen's paints
};

class PresetButtonTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        handled = std::make_unique<QSignalSpy>(window.get(), &frmOndulix::sampleChangeHandled);
        graph()->installEventFilter(&paintCounter);
        QObject::connect(window.get(), &frmOndulix::presetSelectionRan, window.get(),
            [this] { runs.push_back(snapshot()); });
    }

    SelectionRun snapshot() const
    {
        SelectionRun run;
        run.samples = samples();
        for (int k = 0; k < 9; ++k) {
            if (preset(k)->isChecked())
                run.setButton = k;
        }
        run.changesSoFar = static_cast<int>(handled->count());
        run.redrawsSoFar = redraws();
        return run;
    }

    Samples samples() const
    {
        Samples values;
        for (int i = 0; i < 32; ++i)
            values[i] = slider(i)->level();
        return values;
    }

    long redraws() const { return graph()->redrawCount() - paintCounter.paints; }
    void click(int button) { QTest::mouseClick(preset(button), Qt::LeftButton); }
    void forgetRuns()
    {
        runs.clear();
        handled->clear();
    }

    std::unique_ptr<QSignalSpy> handled;
    PaintCounter paintCounter;
    std::vector<SelectionRun> runs;
};

int peakOf(const Samples& values)
{
    int peak = 0;
    for (int v : values)
        peak = std::max(peak, std::abs(v));
    return peak;
}

const Samples kSine {0, 98, 191, 278, 354, 416, 462, 490, 500, 490, 462, 416, 354, 278, 191, 98, 0,
    -98, -191, -278, -354, -416, -462, -490, -500, -490, -462, -416, -354, -278, -191, -98};

TEST_F(PresetButtonTest, SineFromSilence)
{
    const long redrawsBefore = redraws();
    click(Sine);
    ASSERT_EQ(runs.size(), 3u);
    // The focus and the press still find Reset set: on silence each only redraws once at the end.
    EXPECT_EQ(runs[0].changesSoFar, 0);
    EXPECT_EQ(runs[1].changesSoFar, 0);
    EXPECT_EQ(runs[0].redrawsSoFar, redrawsBefore + 1);
    EXPECT_EQ(runs[1].redrawsSoFar, redrawsBefore + 2);
    // The click's run: 30 samples change (0 and 16 stay 0), one final redraw, and normalization
    // finds the peak at 500 and writes nothing.
    EXPECT_EQ(runs[2].changesSoFar, 30);
    EXPECT_EQ(runs[2].redrawsSoFar, redrawsBefore + 2 + 30 + 1);
    EXPECT_EQ(runs[2].setButton, Sine);
    EXPECT_EQ(samples(), kSine);
    EXPECT_EQ(labelText(QStringLiteral("lblSLideNo")), QStringLiteral("32"));
    EXPECT_EQ(labelText(QStringLiteral("lblSlideVal")), QStringLiteral("-0.098"));
}

TEST_F(PresetButtonTest, AClickOnAnUnfocusedUnsetButtonRegeneratesTheOldPresetTwiceFirst)
{
    click(Square);
    slider(0)->setLevel(123);
    slider(20)->setLevel(7);
    forgetRuns();

    click(Ramp2);
    ASSERT_EQ(runs.size(), 3u);
    for (int r : {0, 1}) {
        EXPECT_EQ(runs[r].setButton, Square) << r;
        EXPECT_EQ(runs[r].samples[0], 500) << r;
        EXPECT_EQ(runs[r].samples[20], -500) << r;
    }
    EXPECT_EQ(runs[2].setButton, Ramp2);
    EXPECT_EQ(runs[2].samples[0], -500);
    EXPECT_EQ(runs[2].samples[31], 469);
    EXPECT_EQ(QApplication::focusWidget(), preset(Ramp2));
}

TEST_F(PresetButtonTest, AClickOnTheFocusedSetButtonRunsForThePressAndTheClick)
{
    click(Triangle);
    slider(8)->setLevel(-3);
    forgetRuns();
    click(Triangle);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].samples[8], 500);
    EXPECT_TRUE(preset(Triangle)->isChecked());
}

TEST_F(PresetButtonTest, ARightPressRegeneratesTheSetPresetAndLeavesItSet)
{
    click(Sine);
    slider(5)->setLevel(-7);
    forgetRuns();

    // On another button: the press brings the focus, so both run.
    QTest::mouseClick(preset(Square), Qt::RightButton);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].samples[5], 416);
    EXPECT_EQ(samples(), kSine);
    EXPECT_TRUE(preset(Sine)->isChecked());
    EXPECT_FALSE(preset(Square)->isChecked());

    // On the button that has the focus, only the press.
    slider(5)->setLevel(-7);
    forgetRuns();
    QTest::mouseClick(preset(Square), Qt::RightButton);
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_EQ(samples(), kSine);
    EXPECT_TRUE(preset(Sine)->isChecked());
}

TEST_F(PresetButtonTest, AMiddlePressRunsTooAndSetsNothing)
{
    click(Ramp1);
    forgetRuns();
    QTest::mousePress(preset(Ramp1), Qt::MiddleButton);
    QTest::mouseRelease(preset(Ramp1), Qt::MiddleButton);
    EXPECT_EQ(runs.size(), 1u);
    EXPECT_TRUE(preset(Ramp1)->isChecked());
}

TEST_F(PresetButtonTest, TabbingIntoTheGroupRunsOnceForTheFocus)
{
    click(Sine);
    slider(3)->setLevel(0);
    graph()->setFocus();
    forgetRuns();

    QTest::keyClick(graph(), Qt::Key_Tab);
    auto* focused = qobject_cast<PresetButton*>(QApplication::focusWidget());
    ASSERT_NE(focused, nullptr);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(samples(), kSine);
    EXPECT_TRUE(preset(Sine)->isChecked());
}

// Inside the group an arrow key moves the focus and sets the button it lands on, as Qt does for
// an exclusive group; both the click and the focus then run the newly set preset.
TEST_F(PresetButtonTest, AnArrowKeyInsideTheGroupSetsAndRunsTheNextButton)
{
    click(Sine);
    forgetRuns();
    QTest::keyClick(preset(Sine), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), preset(Square));
    ASSERT_EQ(runs.size(), 2u);
    for (const SelectionRun& run : runs) {
        EXPECT_EQ(run.setButton, Square);
        EXPECT_EQ(run.samples[16], -500);
    }
}

TEST_F(PresetButtonTest, TheWindowComingBackToTheFrontRunsNothing)
{
    click(Random);
    const Samples drawn = samples();
    forgetRuns();

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(QApplication::focusWidget(), preset(Random));
    EXPECT_TRUE(runs.empty());
    EXPECT_EQ(samples(), drawn);
}

TEST_F(PresetButtonTest, RandomIsNewOnEveryRunAndNormalized)
{
    click(Random);
    ASSERT_EQ(runs.size(), 3u);
    const Samples first = samples();
    EXPECT_EQ(first[0], 0);
    EXPECT_EQ(peakOf(first), 500);

    QTest::mouseClick(preset(Random), Qt::RightButton);
    EXPECT_NE(samples(), first);
    EXPECT_EQ(samples()[0], 0);
    EXPECT_EQ(peakOf(samples()), 500);
}

// Chosen after "Square", "Random Existing" scales fresh Square samples, each by its own factor.
TEST_F(PresetButtonTest, RandomExistingScalesTheFreshSamplesOfThePresetBefore)
{
    click(Square);
    slider(3)->setLevel(0);
    forgetRuns();
    click(Existing);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[1].samples[3], 500);
    const Samples result = samples();
    EXPECT_EQ(peakOf(result), 500);
    for (int i = 0; i < 32; ++i) {
        EXPECT_GE(std::abs(result[i]), 334) << i; // at least 2/3, then raised by normalization
        EXPECT_EQ(result[i] > 0, i < 16) << i;
    }
    EXPECT_GT(
        std::count_if(result.begin(), result.end(), [](int v) { return std::abs(v) < 500; }), 0);
}

TEST_F(PresetButtonTest, TheNormalizeButtonScalesToFullScale)
{
    slider(0)->setLevel(250);
    slider(1)->setLevel(-125);
    slider(2)->setLevel(3);
    QTest::mouseClick(control<QPushButton>(QStringLiteral("cmdNormal")), Qt::LeftButton);
    EXPECT_EQ(slider(0)->level(), 500);
    EXPECT_EQ(slider(1)->level(), -250);
    EXPECT_EQ(slider(2)->level(), 6);
    EXPECT_TRUE(runs.empty());
}

} // namespace
