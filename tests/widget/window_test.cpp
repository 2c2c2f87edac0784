#include "widget/window_fixture.h"

#include "app/sound_controller.h"
#include "app/wavetable_export.h"
#include "platform/harmonics_view.h"
#include "platform/qt_common_dialog.h"
#include "platform/sink_worker.h"
#include "sound/chip_oscillator.h"

#include <QAccessible>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <fstream>

using namespace ondulix;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    std::ofstream(path.toStdString(), std::ios::binary) << bytes.toStdString();
}

class Window : public ondulix::testing::WindowTest
{
protected:
    QCheckBox* drawFlag() const { return control<QCheckBox>("chkDraw"); }
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
// stored as zeros, and wraps round at both ends. Generate to Clipboard copies the samples.
TEST_F(Window, StoringPagingAndTheClipboard)
{
    auto* selector = control<UpwardScrollBar>("VScroll1");
    slider(0)->setLevel(123);
    click("cmdGenMem");
    selector->setFocus();
    QTest::keyClick(selector, Qt::Key_Down);
    EXPECT_EQ(labelText("lblLine") + QString::number(slider(0)->level()), "320");
    QTest::keyClick(selector, Qt::Key_Up);
    EXPECT_EQ(labelText("lblLine") + QString::number(slider(0)->level()), "1123");
    click("cmdGenerate");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("ABC\t .123\t 0\t"));
}

// Save CSV writes the whole table; Open CSV reads one and shows line 1, or, for a file that
// breaks the format, changes nothing and says which line is at fault. Both disarm drawing.
TEST_F(Window, SaveAndOpenCsv)
{
    slider(0)->setLevel(500);
    click("cmdGenMem");
    dialog->answer(pathOf("a.csv"));
    click("cmdSave");
    const QByteArray saved = fileBytes(pathOf("a.csv"));
    EXPECT_TRUE(saved.startsWith(" 1, .5, 0, 0,") && saved.count("\r\n") == 32) << saved.data();
    EXPECT_FALSE(drawFlag()->isChecked());
    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n" + QByteArray("x\r\n").repeated(32));
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains(QRegularExpression("b\\.csv.*33")));
    EXPECT_EQ(window->patternTable().cell(1, 2), "0.5");
    writeFile(pathOf("b.csv"), " 1, 0, .25\r\n");
    control<UpwardScrollBar>("VScroll1")->setLevel(2);
    dialog->answer(pathOf("b.csv"));
    click("cmdOpen");
    EXPECT_EQ(labelText("lblLine") + QString::number(slider(1)->level()), "1250");
    click("cmdSave"); // cancelled: it proposed the file last opened
    EXPECT_EQ(dialog->settings().fileName, pathOf("b.csv"));
}

// Configure remembers the compiler in Ondulix.ini of the start-up folder and enables Make Mem
// File, which starts it on the chosen files: here the real quenfer. The CSV file picked again as
// the memory file, under any name, is refused with a message.
TEST_F(Window, ConfigureThenMakeMemFileRunsTheCompiler)
{
    EXPECT_FALSE(control("cmdQuenfer")->isEnabled());
    dialog->answer(QStringLiteral(QUENFER_PATH));
    click("cmdConfigure");
    EXPECT_EQ(dialog->settings().filter, QStringLiteral("*.exe"));
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

// The real file dialog starts in the folder it is given, offers all files where programs carry
// no ".exe", and writes over a chosen file without asking; a warning box tells the user.
TEST_F(Window, TheRealDialogAndMessageBox)
{
    QtCommonDialog real;
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
                + (shown->testOption(QFileDialog::DontConfirmOverwrite) ? "!" : "?");
        else if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen = box->text();
        QMetaObject::invokeMethod(modal, "reject");
    };
    QTimer::singleShot(0, inspectModal);
    real.showSave(window.get());
    EXPECT_EQ(seen, pathOf("start") + "*.exe,All files (*)!");
    QTimer::singleShot(0, inspectModal);
    MessageBoxSink(window.get()).tell(QStringLiteral("It failed."));
    EXPECT_EQ(seen, "It failed.");
}

// Screen readers hear each slider's sample value with the top end as the maximum.
TEST_F(Window, AssistiveTechnologyReadsTheSamples)
{
    slider(2)->setLevel(300);
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(slider(2));
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->text(QAccessible::Name) + bar->text(QAccessible::Value), "Sample 3300");
    EXPECT_EQ(bar->valueInterface()->maximumValue().toInt(), 500);
}

// Up raises a sample by one and Home gives full scale. The presets are one Tab stop after the
// graph: Space picks the focused one, the arrow keys move through the group and pick.
TEST_F(Window, TheKeyboardReachesSlidersAndPresets)
{
    const auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
    press(Qt::Key_Up);
    EXPECT_EQ(slider(0)->level(), 1);
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

// Ctrl+H shows the wave as it stands: Square's fundamental at +2.1 dB, no even harmonics, no
// offset; lowering one of its samples to 0 gives it an offset and even harmonics at once.
TEST_F(Window, CtrlHShowsTheHarmonicsThatFollowEachChangeAndEscapeClosesThem)
{
    SoundController sound(*window);
    preset(1)->click();
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    auto* view = window->findChild<HarmonicsView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_NEAR(view->barLevels()[0], 2.11, 0.01);
    EXPECT_EQ(view->barLevels()[1], HarmonicsView::kFloorDb);
    EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: none"));
    // The bars stand in 16 slots of 15.6 pixels from x = 42 up from the plot's bottom at y = 160:
    // near it the third one is drawn, the second (below the scale) is not.
    const QImage shot = view->grab().toImage();
    EXPECT_EQ(shot.pixelColor(80, 150), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(65, 150), QColor(0, 64, 0));
    slider(0)->setLevel(0);
    EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: -15.6 (-30.1 dB)"));
    EXPECT_GT(view->barLevels()[1], HarmonicsView::kFloorDb);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
}

// No sound server is reachable here: F5 says so once, and nothing plays.
TEST_F(Window, F5WithoutAnAudioOutputSaysSoOnce)
{
    SoundController sound(*window);
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTRY_COMPARE_WITH_TIMEOUT(messages->messages.size(), 1, 5000);
    EXPECT_TRUE(messages->messages[0].startsWith(QStringLiteral("No audio output is available.")))
        << messages->messages[0].toStdString();
    QTest::qWait(300);
    EXPECT_EQ(messages->messages.size(), 1);
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_FALSE(sound.menuActions()[2]->isEnabled()); // Stop
}

// The context menu offers the pitch by octave, 440 Hz at first, one pitch at a time.
TEST_F(Window, ThePitchMenuPicksOneOctaveOfA)
{
    SoundController sound(*window);
    const QList<QAction*> pitches = sound.menuActions()[1]->menu()->actions();
    const auto seen = [&pitches] {
        QString text;
        for (const QAction* pitch : pitches)
            text += pitch->text() + (pitch->isChecked() ? "* " : " ");
        return text;
    };
    EXPECT_EQ(seen(), "55 Hz 110 Hz 220 Hz 440 Hz* 880 Hz 1760 Hz ");
    pitches[4]->trigger();
    EXPECT_EQ(seen(), "55 Hz 110 Hz 220 Hz 440 Hz 880 Hz* 1760 Hz ");
}

// The sink may ask for any number of bytes: it gets the oscillator's frames, exactly as many
// bytes as it asked for and never one past them.
TEST(OscillatorDevice, FillsExactlyWhatTheSinkAsksFor)
{
    ChipOscillator played;
    ChipOscillator heard;
    for (ChipOscillator* oscillator : {&played, &heard}) {
        oscillator->publish({-100, 200, 300, 400, 500});
        oscillator->start();
    }
    OscillatorDevice device(played);
    QByteArray buffer(2060, 'x');
    EXPECT_EQ(device.read(buffer.data(), 2050), 2050);
    std::vector<std::int16_t> frames(1025);
    heard.render(frames);
    EXPECT_EQ(buffer.left(2050), QByteArray(reinterpret_cast<const char*>(frames.data()), 2050));
    EXPECT_EQ(buffer.mid(2050), QByteArray(10, 'x'));
}

// Answers the export's own file question with a path, or a cancel for a null one; CD1 stays
// scripted to answer nothing, so an export that reached it would fail.
struct ExportAnswer : ExportFileChooser
{
    QString path;
    std::optional<QString> choose(QWidget*) override
    {
        return path.isNull() ? std::nullopt : std::optional(path);
    }
};

// Ctrl+E, wherever the focus is, exports the stored table, not the wave being edited, in the
// format its file's ending names. A cancel writes nothing; a failure says which file and why.
TEST_F(Window, ExportWavetableWritesTheStoredTable)
{
    const auto exportTo = [this](const QString& path, QWidget* focused) {
        auto answer = std::make_unique<ExportAnswer>();
        answer->path = path;
        window->findChild<WavetableExport*>()->setFileChooser(std::move(answer));
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
    };
    slider(0)->setLevel(250);
    click("cmdGenMem");
    slider(1)->setLevel(-500); // not stored
    exportTo(pathOf("table.WT"), slider(5));
    const QByteArray wt = fileBytes(pathOf("table.WT")); // vawt, 32, 32, 0, then 0.5f and 0.0f
    EXPECT_EQ(wt.left(20), QByteArray("vawt\x20\0\0\0\x20\0\0\0\0\0\0\x3F\0\0\0\0", 20));
    EXPECT_EQ(wt.size(), 4108);
    exportTo(pathOf("table.wav"), graph());
    const QByteArray wav = fileBytes(pathOf("table.wav"));
    EXPECT_TRUE(wav.startsWith("RIFF"));
    EXPECT_EQ(wav.size(), 262144 + 100); // the RIFF, fmt, fact, clm and data heads take 100
    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    exportTo(QString(), graph());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_TRUE(messages->messages.isEmpty());
    exportTo(pathOf("missing/table.wav"), preset(2));
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(
        QStringLiteral("Could not save \"%1\": ").arg(pathOf("missing/table.wav"))));
}

} // namespace
