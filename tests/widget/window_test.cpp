#include "widget/window_fixture.h"

#include "platform/qt_common_dialog.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>

using namespace ondulix;
using ondulix::testing::WindowTest;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

class Window : public WindowTest
{
protected:
    QCheckBox* drawFlag() const { return control<QCheckBox>(QStringLiteral("chkDraw")); }
    UpwardScrollBar* lineSelector() const { return control<UpwardScrollBar>("VScroll1"); }
    QPoint inGraph(int x, int y) const { return graph()->contentsRect().topLeft() + QPoint(x, y); }
    // Runs `inspect` on the modal box or dialog that `show` opens, then closes it.
    template <typename Modal>
    void whileModal(const std::function<void()>& show, const std::function<void(Modal*)>& inspect)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* modal = qobject_cast<Modal*>(QApplication::activeModalWidget());
            ASSERT_NE(modal, nullptr);
            inspect(modal);
            seen = true;
            modal->reject();
        });
        show();
        EXPECT_TRUE(seen);
    }
};

// The window as laid out, in logical pixels (twips / 15, rounded).
TEST_F(Window, ControlsStandWhereTheyAreLaidOut)
{
    EXPECT_EQ(window->size(), QSize(414, 549));
    const std::pair<const char*, QRect> places[]
        = {{"pWave", {8, 8, 257, 257}}, {"cmdSave", {272, 40, 137, 25}},
            {"Label1", {272, 72, 137, 57}}, {"lblSLideNo", {88, 528, 25, 17}},
            {"lblLine", {40, 48, 25, 25}}, {"VScroll1", {64, 48, 25, 25}},
            {"vSlide(31)", {256, 264, 9, 247}}, {"optWave(5)", {8, 56, 40, 40}}};
    for (const auto& [name, rect] : places)
        EXPECT_EQ(control(name)->geometry(), rect) << name;
    EXPECT_TRUE(control<QLabel>("Label1")->wordWrap());
    EXPECT_EQ(preset(8)->iconSize(), QSize(31, 31));
}

TEST_F(Window, ASliderChangeShowsItsNumberAndValueAndRedrawsTheGraph)
{
    const long redraws = graph()->redrawCount();
    slider(4)->setLevel(-250);
    EXPECT_EQ(labelText("lblSLideNo"), QStringLiteral("5"));
    EXPECT_EQ(labelText("lblSlideVal"), QStringLiteral("-0.25"));
    EXPECT_GT(graph()->redrawCount(), redraws);
    EXPECT_EQ(
        graph()->picture().lines().at(6 + 4), (GraphLine {484, 2816, 605, 1878, kCurveColour}));
}

// A left drag sets the sample under the pointer; a right drag does not draw. A click (press
// and release inside the graph) arms drawing again, and a lone release does not.
TEST_F(Window, DraggingOnTheGraphDrawsAndAClickArmsDrawing)
{
    QTest::mousePress(graph(), Qt::LeftButton, {}, inGraph(8, 40));
    QTest::mouseMove(graph(), inGraph(125, 60));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, inGraph(125, 60));
    EXPECT_EQ(slider(15)->level(), 260);
    QTest::mousePress(graph(), Qt::RightButton, {}, inGraph(8, 40));
    QTest::mouseMove(graph(), inGraph(8, 40));
    QTest::mouseRelease(graph(), Qt::RightButton, {}, inGraph(8, 40));
    EXPECT_EQ(slider(1)->level(), 0);

    for (const bool clickFirst : {false, true, false}) {
        drawFlag()->setChecked(false);
        if (clickFirst)
            QTest::mousePress(graph(), Qt::LeftButton, {}, inGraph(5, 5));
        QTest::mouseRelease(graph(), Qt::LeftButton, {}, inGraph(5, 5));
        EXPECT_EQ(drawFlag()->isChecked(), clickFirst);
    }
}

TEST_F(Window, APresetFillsAndNormalizesAndIsTheOnlyOneSet)
{
    QTest::mouseClick(preset(1), Qt::LeftButton);
    EXPECT_EQ(slider(0)->level(), 500);
    EXPECT_EQ(slider(31)->level(), -500);
    QTest::mouseClick(preset(2), Qt::LeftButton);
    EXPECT_EQ(slider(1)->level(), 98);
    EXPECT_TRUE(preset(2)->isChecked());
    EXPECT_FALSE(preset(1)->isChecked());
    slider(1)->setLevel(7);
    QTest::mouseClick(preset(2), Qt::RightButton); // the preset already set, made again
    EXPECT_EQ(slider(1)->level(), 98);
    for (int i = 0; i < 32; ++i)
        slider(i)->setLevel(i == 3 ? -100 : 0);
    click("cmdNormal");
    EXPECT_EQ(slider(3)->level(), -500);
}

// Generate to Memory stores the sliders in the current line; paging loads a line, never
// stored lines as zeros, and wraps round at both ends.
TEST_F(Window, StoringAndPagingThroughTheLines)
{
    slider(0)->setLevel(123);
    click("cmdGenMem");
    lineSelector()->setFocus();
    QTest::keyClick(lineSelector(), Qt::Key_Down); // from 1 down to 32
    EXPECT_EQ(labelText("lblLine"), QStringLiteral("32"));
    EXPECT_EQ(slider(0)->level(), 0);
    QTest::keyClick(lineSelector(), Qt::Key_Up); // and up to 1 again
    EXPECT_EQ(labelText("lblLine"), QStringLiteral("1"));
    EXPECT_EQ(slider(0)->level(), 123);
    EXPECT_EQ(window->patternTable().cell(1, 2), "0.123");
}

TEST_F(Window, GenerateToClipboardCopiesTheSamples)
{
    slider(1)->setLevel(500);
    click("cmdGenerate");
    EXPECT_TRUE(
        QGuiApplication::clipboard()->text().startsWith(QStringLiteral("ABC\t 0\t .5\t 0\t")));
}

// Save CSV writes the whole table; Open CSV reads one into it and shows line 1, or, for a file
// that breaks the format, changes nothing and says which line is at fault.
TEST_F(Window, SaveAndOpenCsvWithAClearMessageForABrokenFile)
{
    slider(0)->setLevel(500);
    click("cmdGenMem");
    dialog->answer(pathOf("a.csv"));
    click("cmdSave");
    const QByteArray saved = fileBytes(pathOf("a.csv"));
    EXPECT_TRUE(saved.startsWith(" 1, .5, 0, 0,")) << saved.left(40).toStdString();
    EXPECT_EQ(saved.count("\r\n"), 32);
    EXPECT_FALSE(drawFlag()->isChecked());

    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n 2\r\n" + QByteArray("x\r\n").repeated(31));
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains("b.csv")) << messages->messages[0].toStdString();
    EXPECT_TRUE(messages->messages[0].contains("33")) << messages->messages[0].toStdString();
    EXPECT_EQ(window->patternTable().cell(1, 2), "0.5");

    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n");
    lineSelector()->setLevel(2);
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    EXPECT_EQ(labelText("lblLine"), QStringLiteral("1"));
    EXPECT_EQ(slider(1)->level(), 250);
    click("cmdSave"); // cancelled: it proposed the file last opened
    EXPECT_EQ(dialog->shown.at(3).fileName, pathOf("b.csv"));
}

// Configure remembers the compiler in Ondulix.ini of the start-up folder and enables Make Mem
// File, which starts it on the chosen files: here the real quenfer.
TEST_F(Window, ConfigureThenMakeMemFileRunsTheCompiler)
{
    EXPECT_FALSE(control("cmdQuenfer")->isEnabled());
    dialog->answer(QStringLiteral(QUENFER_PATH));
    click("cmdConfigure");
    EXPECT_EQ(dialog->shown.at(0).filter, QStringLiteral("*.exe"));
    EXPECT_EQ(fileBytes(pathOf("Ondulix.ini")), QByteArray(QUENFER_PATH "\r\n"));
    ASSERT_TRUE(control("cmdQuenfer")->isEnabled());

    writeFile(pathOf("in put.csv"), " 1, .5\r\n");
    dialog->answer(pathOf("in put.csv"));
    dialog->answer(pathOf("out.mem"));
    click("cmdQuenfer");
    EXPECT_EQ(window->lastCompile().commandLine,
        QStringLiteral(QUENFER_PATH " %1 %2").arg(pathOf("in put.csv"), pathOf("out.mem")));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return fileBytes(pathOf("out.mem")).contains("@000\n7FFF\n"); }));
    EXPECT_TRUE(messages->messages.isEmpty());
}

// The real file dialog starts in the folder it is given, offers all files where programs carry
// no ".exe", and writes over a chosen file without asking; a warning box tells the user.
TEST_F(Window, TheRealDialogAndMessageBox)
{
    QtCommonDialog real;
    real.setInitDir(folder.path());
    real.setFilter(QStringLiteral("*.exe"));
    real.setDefaultExt(QStringLiteral("exe"));
    whileModal<QFileDialog>([&] { real.showSave(window.get()); },
        [&](QFileDialog* shown) {
            EXPECT_EQ(shown->directory().absolutePath(), QDir(folder.path()).absolutePath());
            EXPECT_EQ(shown->nameFilters(), QStringList({"*.exe", "All files (*)"}));
            EXPECT_EQ(shown->defaultSuffix(), QString());
            EXPECT_TRUE(shown->testOption(QFileDialog::DontConfirmOverwrite));
        });
    MessageBoxSink box(window.get());
    whileModal<QMessageBox>([&] { box.tell(QStringLiteral("It failed.")); },
        [](QMessageBox* shown) { EXPECT_EQ(shown->text(), QStringLiteral("It failed.")); });
}

// Screen readers hear each slider's sample value with the top end as the maximum.
TEST_F(Window, AssistiveTechnologyReadsTheSamples)
{
    slider(2)->setLevel(300);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(slider(2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("Sample 3"));
    EXPECT_EQ(bar->text(QAccessible::Value), QStringLiteral("300"));
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), 500);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(preset(6))->text(QAccessible::Name),
        QStringLiteral("Double Sine"));
}

// Up raises a sample by one and Home gives full scale. The presets are one Tab stop after the
// graph: Space picks the focused one, the arrow keys move through the group and pick.
TEST_F(Window, TheKeyboardReachesSlidersAndPresets)
{
    const auto focused = [] { return QApplication::focusWidget(); };
    ASSERT_EQ(focused(), slider(0));
    QTest::keyClick(focused(), Qt::Key_Up);
    EXPECT_EQ(slider(0)->level(), 1);
    QTest::keyClick(focused(), Qt::Key_Home);
    EXPECT_EQ(slider(0)->level(), 500);
    slider(31)->setFocus();
    QTest::keyClick(focused(), Qt::Key_Tab);
    QTest::keyClick(focused(), Qt::Key_Tab);
    ASSERT_EQ(focused(), preset(5));
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_EQ(slider(8)->level(), 500); // Traingle
    QTest::keyClick(focused(), Qt::Key_Right);
    EXPECT_TRUE(preset(4)->isChecked());
    EXPECT_EQ(slider(1)->level(), 469); // Ramp1
}

// At twice the scale the graph is the same picture at twice the size, lines two pixels wide.
TEST_F(Window, TheGraphRasterisesCrispAtScaleTwo)
{
    QImage image(506, 506, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::black);
    QPainter painter(&image);
    graph()->rasterise(painter);
    painter.end();
    const QRgb curve = qRgb(0, 255, 0);
    for (const int row : {248, 249, 250, 251}) // units 1878 / 15 = 125.2 logical
        EXPECT_EQ(image.pixel(400, row) == curve, row == 249 || row == 250) << row;
}

} // namespace
