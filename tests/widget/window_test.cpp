#include "widget/window_fixture.h"

#include "platform/common_dialog.h"
#include "platform/qt_file_chooser.h"

#include <QAccessible>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>

using namespace ondulix;

namespace {

using namespace ondulix::testing;

class Window : public WindowTest
{
protected:
    QPoint inGraph(int x, int y) const { return graph()->contentsRect().topLeft() + QPoint(x, y); }
    void mouse(Qt::MouseButton button, QPoint from, QPoint to) const
    {
        QTest::mousePress(graph(), button, {}, from);
        QTest::mouseMove(graph(), to);
        QTest::mouseRelease(graph(), button, {}, to);
    }
};

// The window as laid out, in logical pixels (twips / 15, rounded).
TEST_F(Window, ControlsStandWhereTheyAreLaidOut)
{
    EXPECT_EQ(window->size(), QSize(414, 549));
    const std::pair<const char*, QRect> places[] = {{"pWave", {8, 8, 257, 257}},
        {"cmdSave", {272, 40, 137, 25}}, {"Label1", {272, 72, 137, 57}},
        {"lblSLideNo", {88, 528, 25, 17}}, {"lblLine", {40, 48, 25, 25}},
        {"VScroll1", {64, 48, 25, 25}}, {"vSlide(31)", {256, 264, 9, 247}},
        {"optWave(5)", {8, 56, 40, 40}}, {"cmdGenerate", {272, 520, 137, 25}}};
    for (const auto& [name, rect] : places)
        EXPECT_EQ(control(name)->geometry(), rect) << name;
    for (const char* name : {"cmdOpen", "cmdConfigure", "cmdQuenfer", "frPreset", "Frame1"})
        EXPECT_EQ(std::pair(control(name)->x(), control(name)->width()), std::pair(272, 137));
    EXPECT_TRUE(control<QLabel>("Label1")->wordWrap());
    EXPECT_EQ(preset(8)->iconSize(), QSize(31, 31));
    EXPECT_TRUE(preset(0)->isChecked());
}

// A click (press and release inside the graph) arms drawing again; a lone release, such as
// the end of a double-click that closed a dialog over the graph, does not, from the start on.
// A change shows the sample's number and value and redraws the graph. A left drag sets the
// sample under the pointer, a right drag nothing.
TEST_F(Window, EditingTheWaveWithSlidersAndPointer)
{
    for (const bool pressFirst : {false, true, false, true}) {
        drawFlag()->setChecked(false);
        if (pressFirst)
            QTest::mousePress(graph(), Qt::LeftButton, {}, inGraph(5, 5));
        QTest::mouseRelease(graph(), Qt::LeftButton, {}, inGraph(5, 5));
        EXPECT_EQ(drawFlag()->isChecked(), pressFirst);
    }
    const long redraws = graph()->redrawCount();
    slider(4)->setLevel(-250);
    EXPECT_EQ(labelText("lblSLideNo") + " " + labelText("lblSlideVal"), "5 -0.25");
    EXPECT_GT(graph()->redrawCount(), redraws);
    mouse(Qt::LeftButton, inGraph(8, 40), inGraph(125, 60));
    EXPECT_EQ(slider(15)->level(), 260);
    mouse(Qt::RightButton, inGraph(8, 40), inGraph(8, 40));
    EXPECT_EQ(slider(1)->level(), 0);
}

// A preset fills and normalizes the wave and is the only one set; pressed again, with any
// button, it is made again. Normalize scales the peak to full scale.
TEST_F(Window, PresetsAndNormalize)
{
    QTest::mouseClick(preset(1), Qt::LeftButton);
    EXPECT_EQ(slider(31)->level(), -500);
    QTest::mouseClick(preset(2), Qt::LeftButton);
    EXPECT_FALSE(preset(1)->isChecked());
    slider(1)->setLevel(7);
    QTest::mouseClick(preset(2), Qt::RightButton);
    EXPECT_EQ(slider(1)->level(), 98);
    for (int i = 0; i < 32; ++i)
        slider(i)->setLevel(i == 3 ? -100 : 0);
    click("cmdNormal");
    EXPECT_EQ(slider(3)->level(), -500);
}

// Generate to Memory stores the sliders in the current line; paging loads a line, one never
// stored as zeros, and wraps round at both ends, by key or by the thumb. Generate to Clipboard
// copies the samples.
TEST_F(Window, StoringPagingAndTheClipboard)
{
    auto* selector = control<UpwardScrollBar>("VScroll1");
    slider(0)->setLevel(123);
    click("cmdGenMem");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    EXPECT_EQ(labelText("lblLine"), "32");
    EXPECT_EQ(slider(0)->level(), 0) << "line 32 was never stored";
    QTest::keyClick(selector, Qt::Key_Up);
    EXPECT_EQ(labelText("lblLine"), "1");
    EXPECT_EQ(slider(0)->level(), 123);
    selector->setValue(selector->minimum()); // the thumb dragged to the top
    EXPECT_EQ(labelText("lblLine"), "1");
    click("cmdGenerate");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("ABC\t .123\t 0\t"));
}

// Save CSV writes the table to the chosen file, or says why it could not; it takes the drawing
// flag down first.
TEST_F(Window, SaveCsvWritesTheTableOrSaysWhyNot)
{
    slider(0)->setLevel(500);
    click("cmdGenMem");
    dialog->answer(pathOf("a.csv"));
    click("cmdSave");
    EXPECT_TRUE(fileBytes(pathOf("a.csv")).startsWith(" 1, .5, 0, 0,"));
    EXPECT_FALSE(drawFlag()->isChecked());
    dialog->answer(pathOf("missing/c.csv"));
    click("cmdSave");
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith("Could not save \"" + pathOf("missing/c.csv")));
}

// Open CSV shows line 1 of the file, whichever line was current; a file that breaks the format
// changes nothing, and the message names the file and the line at fault. Fields the reading had
// to guess are named in one message.
TEST_F(Window, OpenCsvShowsLineOneOrChangesNothing)
{
    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n" + QByteArray("x\r\n").repeated(32));
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains(QRegularExpression("b\\.csv\": line 33:")));
    EXPECT_EQ(window->features().editor.table(), PatternTable {});
    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n");
    control<UpwardScrollBar>("VScroll1")->setLevel(2);
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    EXPECT_EQ(labelText("lblLine"), "1");
    EXPECT_EQ(slider(1)->level(), 250);
    EXPECT_EQ(messages->messages.size(), 1) << "a file read whole gives no word";
    writeFile(pathOf("sheet.csv"), "1,97\r\n");
    dialog->answer(pathOf("sheet.csv"));
    click("cmdOpen");
    EXPECT_EQ(messages->messages.last(),
        "\"" + pathOf("sheet.csv")
            + "\" was read, but not all of it as the editor writes it:\n"
              "line 1, field 2: \"97\" is beyond full scale (0.5); read as 0.5");
}

// Configure remembers the compiler in Ondulix.ini of the start-up folder and enables Make Mem
// File, which starts it on the chosen files: here the real quenfer. The CSV file picked again as
// the memory file, under any name, is refused with a message.
TEST_F(Window, ConfigureThenMakeMemFileRunsTheCompiler)
{
    EXPECT_FALSE(control("cmdQuenfer")->isEnabled());
    dialog->answer(QStringLiteral(QUENFER_PATH));
    click("cmdConfigure");
    EXPECT_EQ(dialog->asked.back().filters.front().text, QStringLiteral("*.exe"));
    EXPECT_EQ(fileBytes(pathOf("Ondulix.ini")), QByteArray(QUENFER_PATH "\r\n"));
    ASSERT_TRUE(control("cmdQuenfer")->isEnabled());
    writeFile(pathOf("in put.csv"), " 1, .5\r\n");
    ASSERT_TRUE(QFile::link(pathOf("in put.csv"), pathOf("link.mem")));
    dialog->answer(pathOf("in put.csv"));
    dialog->answer(pathOf("link.mem")); // the same file: refused before the compiler starts
    click("cmdQuenfer");
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages.takeFirst().contains("is the CSV file to compile"));
    dialog->answer(pathOf("in put.csv"));
    dialog->answer(pathOf("out.mem"));
    click("cmdQuenfer");
    EXPECT_TRUE(QTest::qWaitFor([&] { return fileBytes(pathOf("out.mem")).contains("7FFF\n"); }));
    EXPECT_TRUE(messages->messages.isEmpty());
}

// The real file dialog saves in the folder it is given, offers all files where programs carry
// no ".exe", and writes over a chosen file without asking; a warning box tells the user.
TEST_F(Window, TheRealDialogAndMessageBox)
{
    QtFileChooser qt;
    CommonDialog real(qt);
    ASSERT_TRUE(QDir(folder.path()).mkdir("start"));
    real.setInitDir(pathOf("start"));
    real.setFilter(QStringLiteral("*.exe"));
    real.setDefaultExt(QStringLiteral("exe"));
    QString seen;
    const auto inspectModal = [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* shown = qobject_cast<QFileDialog*>(modal))
            seen = shown->directory().path() + shown->nameFilters().join(",")
                + shown->defaultSuffix()
                + (shown->testOption(QFileDialog::DontConfirmOverwrite) ? "!" : "?")
                + (shown->acceptMode() == QFileDialog::AcceptSave ? "save" : "open");
        else if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen = box->text();
        QMetaObject::invokeMethod(modal, "reject");
    };
    QTimer::singleShot(0, inspectModal);
    real.showSave(window.get());
    EXPECT_EQ(seen, pathOf("start") + "*.exe,All files (*)!save");
    QTimer::singleShot(0, inspectModal);
    MessageBoxSink(window.get()).tell(QStringLiteral("It failed."));
    EXPECT_EQ(seen, "It failed.");
}

// Screen readers hear each slider's sample value with the top end as the maximum, and the line.
TEST_F(Window, AssistiveTechnologyReadsTheSamplesAndTheLine)
{
    slider(2)->setLevel(300);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(slider(2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Name) + bar->text(QAccessible::Value), "Sample 3300");
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), 500);
    QAccessibleInterface* line = QAccessible::queryAccessibleInterface(control("VScroll1"));
    EXPECT_EQ(line->text(QAccessible::Name) + line->text(QAccessible::Value), "Line1");
}

// Up and Page Up raise a sample by one each and Home gives full scale. The presets are one Tab
// stop after the graph: Space picks the focused one, the arrow keys move through the group and
// pick.
TEST_F(Window, TheKeyboardReachesSlidersAndPresets)
{
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Up);
    press(Qt::Key_PageUp);
    EXPECT_EQ(slider(0)->level(), 2);
    press(Qt::Key_Home);
    EXPECT_EQ(slider(0)->level(), 500);
    slider(31)->setFocus();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab);
    press(Qt::Key_Space);
    EXPECT_EQ(slider(8)->level(), 500); // Traingle
    press(Qt::Key_Right);
    EXPECT_EQ(slider(1)->level(), 469); // Ramp1
}

} // namespace
