#include "widget/window_fixture.h"

#include "app/features/actions_dialog.h"
#include "pattern/line_waves.h"

#include <QDialog>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

class Navigation : public WindowTest
{
protected:
    Editor& editor() const { return window->features().editor; }
    template <typename Dialog = QDialog> Dialog* open(Qt::Key key, Qt::KeyboardModifiers keys)
    {
        QTest::keyClick(window.get(), key, keys);
        auto* dialog = window->findChild<Dialog*>();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return dialog;
    }
    void type(QDialog* dialog, const QString& text, Qt::Key then)
    {
        QTest::keyClicks(dialog->focusWidget(), text);
        QTest::keyClick(dialog->focusWidget(), then);
    }
};

// Ctrl+G pages once, through the line selector, so undo brings back what the sliders held;
// what is no line is refused, naming what was typed, and the dialog stays open to mend it.
TEST_F(Navigation, GoToLinePagesOnceAndRefusesWhatIsNoLine)
{
    slider(0)->setLevel(123);
    int pagings = 0;
    QObject::connect(&editor().changes(), &ChangeSignals::linePaged, [&pagings] { ++pagings; });
    QDialog* dialog = open(Qt::Key_G, Qt::ControlModifier);
    for (const char* wrong : {"0", "33", "x1"}) {
        type(dialog, QStringLiteral("\b\b\b%1").arg(wrong), Qt::Key_Return);
        EXPECT_TRUE(dialog->isVisible()) << wrong;
    }
    EXPECT_EQ(messages->messages,
        QStringList({"There is no line \"0\": give a number from 1 to 32.",
            "There is no line \"33\": give a number from 1 to 32.",
            "There is no line \"x1\": give a number from 1 to 32."}));
    type(dialog, QStringLiteral("\b\b17"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(std::pair(editor().line(), pagings), std::pair(17, 1));
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::pair(editor().line(), slider(0)->level()), std::pair(1, 123));
}

// F1 lists the graph's menu, its submenus' entries and the laid-out buttons; typed words filter
// it, Down chooses the next entry, Enter runs it as the menu or a click would, Escape runs none.
TEST_F(Navigation, ActionsFindsAnyActionByTheWordsOfItsName)
{
    auto* dialog = open<ActionsDialog>(Qt::Key_F1, {});
    const QStringList all = dialog->shownNames();
    EXPECT_EQ(all.mid(0, 3), QStringList({"Undo", "Redo", "Copy"}));
    for (const char* name : {"Pitch: 440 Hz", "Chip depth: 5 bits (PC Engine)", "Actions...",
             "Go to line...", "Normalize", "Generate to  Clipboard", "Make Mem File"})
        EXPECT_EQ(all.count(name), 1) << name;
    slider(3)->setLevel(-77);
    type(dialog, QStringLiteral("gen MEM"), Qt::Key_Return);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(lineWave(editor().table(), 1)[3], -77) << "Generate to Memory ran";

    dialog = open<ActionsDialog>(Qt::Key_F1, {});
    QTest::keyClicks(dialog->focusWidget(), QStringLiteral("rotate"));
    EXPECT_EQ(dialog->shownNames(),
        QStringList({"Rotate one sample later", "Rotate one sample earlier"}));
    type(dialog, QStringLiteral(" s"), Qt::Key_Down);
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    EXPECT_EQ(std::pair(slider(2)->level(), slider(3)->level()), std::pair(-77, 0));

    type(open<ActionsDialog>(Qt::Key_F1, {}), QStringLiteral("invert"), Qt::Key_Escape);
    EXPECT_EQ(slider(2)->level(), -77);
}

} // namespace
