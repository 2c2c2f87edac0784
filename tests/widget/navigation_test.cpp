#include "widget/window_fixture.h"

#include "app/features/actions_dialog.h"
#include "pattern/line_waves.h"

using namespace ondulix;
using namespace ondulix::testing;

namespace {

// Ctrl+G pages once, through the line selector, so undo brings back what the sliders held; what
// is no line is refused, naming what was typed, with the dialog open to mend it. F1 lists the
// graph's menu, its submenus' entries and the laid-out buttons; typed words filter it, Down
// chooses the next entry, Enter runs it as the menu or a click would, Escape runs none.
TEST_F(WindowTest, GoToLineAndActionsFindAnyLineAndAnyAction)
{
    Editor& editor = window->features().editor;
    const auto open = [this](Qt::Key key, Qt::KeyboardModifiers keys) {
        QTest::keyClick(window.get(), key, keys);
        return QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                                                 : window->findChild<ActionsDialog*>();
    };
    const auto type = [](QWidget* dialog, const QString& text, Qt::Key then) {
        QTest::keyClicks(dialog->focusWidget(), text);
        QTest::keyClick(dialog->focusWidget(), then);
    };
    slider(0)->setLevel(123);
    int pagings = 0;
    QObject::connect(&editor.changes(), &ChangeSignals::linePaged, [&pagings] { ++pagings; });
    QWidget* dialog = open(Qt::Key_G, Qt::ControlModifier);
    type(dialog, "\b33", Qt::Key_Return);
    type(dialog, "\b\bx", Qt::Key_Return);
    EXPECT_EQ(messages->messages,
        QStringList({"There is no line \"33\": give a number from 1 to 32.",
            "There is no line \"x\": give a number from 1 to 32."}));
    EXPECT_TRUE(dialog->isVisible());
    type(dialog, "\b17", Qt::Key_Return);
    EXPECT_EQ(std::tuple(dialog->isVisible(), editor.line(), pagings), std::tuple(false, 17, 1));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::pair(editor.line(), slider(0)->level()), std::pair(1, 123));

    auto* actions = static_cast<ActionsDialog*>(open(Qt::Key_F1, {}));
    const QStringList all = actions->shownNames();
    EXPECT_EQ(all.mid(0, 3), QStringList({"Undo", "Redo", "Copy"}));
    for (const char* name : {"Pitch: 440 Hz", "Chip depth: 5 bits (PC Engine)", "Actions...",
             "Go to line...", "Octave up", "Generate to  Clipboard", "Make Mem File"})
        EXPECT_EQ(all.count(name), 1) << name;
    slider(3)->setLevel(-77);
    type(actions, "gen MEM", Qt::Key_Return);
    EXPECT_EQ(
        std::pair(actions->isVisible(), lineWave(editor.table(), 1)[3]), std::pair(false, -77));
    type(open(Qt::Key_F1, {}), "rotate s", Qt::Key_Down);
    EXPECT_EQ(actions->shownNames(),
        QStringList({"Rotate one sample later", "Rotate one sample earlier"}));
    QTest::keyClick(actions->focusWidget(), Qt::Key_Return);
    type(open(Qt::Key_F1, {}), "invert", Qt::Key_Escape);
    EXPECT_EQ(std::pair(slider(2)->level(), slider(3)->level()), std::pair(-77, 0));
}

} // namespace
