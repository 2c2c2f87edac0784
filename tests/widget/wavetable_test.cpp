#include "app/editor/edit_history.h"
#include "app/editor/editor.h"
#include "app/features/morph_dialog.h"
#include "pattern/line_paging.h"
#include "pattern/line_waves.h"
#include "platform/harmonics_view.h"
#include "platform/table_overview_view.h"
#include "widget/window_fixture.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QScreen>
#include <QSpinBox>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

class Wavetable : public WindowTest
{
protected:
    int line() const { return window->features().editor.line(); }
    Wave stored(int at) const { return lineWave(window->features().editor.table(), at); }
    int steps() const { return window->features().editor.history().steps(); }
    void store(int at, int value)
    {
        window->features().editor.writeLines(std::array {LineWrite {at, Wave {value, value}}});
    }
    // To the dialog's focus, then back to the window, as the user's next key goes.
    void answer(MorphDialog* dialog, Qt::Key key)
    {
        QTest::keyClick(dialog->focusWidget(), key);
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    template <typename Shown = TableOverviewView>
    Shown* open(Qt::Key key = Qt::Key_T, Qt::KeyboardModifiers more = {})
    {
        QTest::keyClick(window.get(), key, Qt::ControlModifier | more);
        auto* shown = window->findChild<Shown*>();
        EXPECT_TRUE(shown && QTest::qWaitForWindowExposed(shown));
        return shown;
    }
    MorphDialog* openMorph() { return open<MorphDialog>(Qt::Key_M, Qt::ShiftModifier); }
    // A right press on the line's baseline, then the menu's entry that starts with `text`.
    void fromMenu(TableOverviewView* view, int at, const QString& text)
    {
        const Waterfall waterfall(view->width(), view->height());
        const QPoint point(20, qRound(waterfall.baseline(at)));
        QTest::mousePress(view, Qt::RightButton, {}, point);
        auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuTableLine"));
        for (QAction* action : menu->actions()) {
            if (action->text().startsWith(text) && action->isEnabled())
                action->trigger();
        }
        menu->close();
        // Released, so that no later test's press comes with the right button still held.
        QTest::mouseRelease(view, Qt::RightButton, {}, point);
    }
};

// Up and Down page with the wrap-around of VScroll1's arrows, Home and End go to the ends, and a
// click to the line whose baseline is nearest; the description names the line. The Menu key
// opens the current line's menu, and Ctrl+T closes the overview.
TEST_F(Wavetable, TheOverviewPagesThroughTheLineSelector)
{
    TableOverviewView* view = open();
    const std::pair<Qt::Key, int> keys[] = {{Qt::Key_Up, 2}, {Qt::Key_Down, 1}, {Qt::Key_Down, 32},
        {Qt::Key_Up, 1}, {Qt::Key_End, 32}, {Qt::Key_Home, 1}};
    for (const auto& [key, then] : keys) {
        QTest::keyClick(view, key);
        EXPECT_EQ(line(), then) << key;
    }
    const Waterfall waterfall(view->width(), view->height());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(20, qRound(waterfall.baseline(5) - 2)));
    EXPECT_EQ(line(), 5);
    EXPECT_TRUE(view->accessibleDescription().contains(QStringLiteral("line 5 is current")));
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint()); // the Menu key
    QApplication::sendEvent(view, &menuKey);
    auto* menu = window->findChild<QMenu*>(QStringLiteral("mnuTableLine"));
    EXPECT_TRUE(menu->isVisible() && menu->actions()[0]->text() == "Copy line 5");
    menu->close();
    QTest::keyClick(view, Qt::Key_T, Qt::ControlModifier);
    EXPECT_FALSE(view->isVisible()) << "the window's keys work in the overview";
}

// The current line is drawn from the sliders as they change. Alt+Up moves it and follows it;
// copy, paste over and clear work on the line under the pointer; each is one undo step.
TEST_F(Wavetable, TheOverviewFollowsTheSlidersAndWorksOnLines)
{
    TableOverviewView* view = open();
    slider(0)->setLevel(400); // not stored
    slider(1)->setLevel(400);
    const Waterfall waterfall(view->width(), view->height());
    const WaterfallSegment top
        = waterfall.segments(readWave(window->features().editor.samples()), 1)[0];
    const QImage shot = view->grab().toImage();
    EXPECT_EQ(shot.pixelColor(qRound((top.x1 + top.x2) / 2), qRound(top.y1)), QColor(Qt::white));

    const int before = steps();
    QTest::keyClick(view, Qt::Key_Up, Qt::AltModifier);
    EXPECT_EQ(stored(2)[0], 400);
    EXPECT_EQ(line(), 2) << "the current line moves with its wave";
    EXPECT_EQ(steps(), before + 1);
    fromMenu(view, 2, QStringLiteral("Copy line"));
    fromMenu(view, 7, QStringLiteral("Paste over line"));
    EXPECT_EQ(stored(7)[0], 400);
    const WaterfallSegment pasted = waterfall.segments(stored(7), 7)[0];
    // One pixel wide, aliased: on the row the line's height falls in.
    EXPECT_EQ(view->grab().toImage().pixelColor(
                  qRound((pasted.x1 + pasted.x2) / 2), static_cast<int>(pasted.y1)),
        QColor(0, 255, 0))
        << "a stored line is drawn in the graph's colour";
    fromMenu(view, 2, QStringLiteral("Clear line"));
    EXPECT_EQ(readWave(window->features().editor.samples()), Wave {})
        << "the sliders reload line 2";
    EXPECT_EQ(steps(), before + 3);
    for (int undo = 0; undo < 3; ++undo)
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stored(2), Wave {});
    EXPECT_EQ(stored(7), Wave {});
    EXPECT_EQ(line(), 1);
    EXPECT_EQ(readWave(window->features().editor.samples())[0], 400) << "the unstored edit is back";
}

// Ctrl+Shift+M opens on the current line and the next that sounds; Enter takes them, and the
// sliders reload a current line that was filled; one undo takes the whole morph back. Escape and
// a refusal change nothing, and a refusal keeps the dialog open. The sweep, too, needs two lines
// that sound.
TEST_F(Wavetable, MorphLinesAndTheSweepsNeedOfTwoLines)
{
    QTest::keyClick(window.get(), Qt::Key_F5, Qt::ShiftModifier);
    EXPECT_EQ(messages->messages.takeFirst(),
        "The sweep needs at least two lines that hold a sound (a sample that is not 0); the "
        "table has 0.");
    store(1, 300);
    store(4, -300);
    window->features().editor.pageToLine(2);
    MorphDialog* dialog = openMorph();
    EXPECT_EQ(std::tuple(dialog->fromLine(), dialog->toLine(), dialog->kind()),
        std::tuple(2, 4, MorphKind::Crossfade));
    dialog->findChild<QSpinBox*>(QStringLiteral("spnMorphFrom"))->setValue(1);
    const int before = steps();
    answer(dialog, Qt::Key_Return);
    EXPECT_EQ(std::tuple(stored(2)[0], stored(3)[0]), std::tuple(100, -100));
    EXPECT_EQ(readWave(window->features().editor.samples())[1], 100);
    EXPECT_EQ(steps(), before + 1);
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(stored(2)[0], stored(3)[0]), std::tuple(0, 0));

    const PatternTable table = window->features().editor.table();
    answer(openMorph(), Qt::Key_Escape);
    dialog = openMorph();
    dialog->findChild<QSpinBox*>(QStringLiteral("spnMorphFrom"))->setValue(3);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->features().editor.table(), table);
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(QStringLiteral("Nothing was morphed.")));
    EXPECT_TRUE(dialog->isVisible()) << "open to mend the lines";
    answer(dialog, Qt::Key_Escape);
}

// The harmonics window and the overview never cover the main window or each other, in either
// order of opening, and stay on the screen. One shown again stays where it stood, unless another
// shown since stands there now.
TEST_F(Wavetable, ToolWindowsCoverNeitherTheWindowNorEachOther)
{
    const auto toggle = [this](const char* action) {
        window->findChild<QAction*>(QString::fromLatin1(action))->trigger();
    };
    const std::vector<std::vector<const char*>> orders {{"actTableOverview", "actHarmonics"},
        {"actHarmonics", "actTableOverview"},
        {"actHarmonics", "actHarmonics", "actTableOverview", "actHarmonics"}};
    for (const auto& order : orders) {
        openWindow();
        for (const char* action : order)
            toggle(action);
        QList<QRect> frames {window->frameGeometry()};
        for (QWidget* tool : {static_cast<QWidget*>(window->findChild<HarmonicsView*>()),
                 static_cast<QWidget*>(window->findChild<TableOverviewView*>())}) {
            ASSERT_TRUE(tool && tool->isVisible());
            EXPECT_TRUE(window->screen()->availableGeometry().contains(tool->frameGeometry()));
            for (const QRect& other : frames)
                EXPECT_FALSE(tool->frameGeometry().intersects(other)) << order.size();
            frames << tool->frameGeometry();
        }
    }
    // Moved by the user to where it covers nothing, it comes back there.
    auto* harmonics = window->findChild<HarmonicsView*>();
    harmonics->move(430, 560);
    toggle("actHarmonics");
    toggle("actHarmonics");
    EXPECT_EQ(harmonics->pos(), QPoint(430, 560));
}

} // namespace
