#include "widget/window_fixture.h"

#include "app/features/export_for_dialog.h"
#include "files/csv_writer.h"
#include "pattern/line_waves.h"

#include "platform/harmonics_view.h"
#include "platform/sink_worker.h"
#include "sound/chip_oscillator.h"
#include "wave/harmonic_edit.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QProcess>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

using SoundAndExport = WindowTest;

// Ctrl+H shows the wave as it stands: Square's fundamental at +2.1 dB, no even harmonics, no
// offset; lowering one of its samples to 0 gives it an offset and even harmonics at once.
TEST_F(SoundAndExport, CtrlHShowsTheHarmonicsThatFollowEachChangeAndEscapeClosesThem)
{
    preset(1)->click();
    QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
    auto* view = window->findChild<HarmonicsView*>();
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    EXPECT_NEAR(view->barLevels()[0], 2.11, 0.01);
    EXPECT_EQ(view->barLevels()[1], kHarmonicScaleFloorDb);
    EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: none"));
    // Near the plot's bottom the third bar is drawn, the second (below the scale) is not.
    const QImage shot = view->grab().toImage();
    const auto nearBottom = [view](int harmonic) {
        const QRectF column = view->column(harmonic);
        return QPointF(column.center().x(), column.bottom() - 3).toPoint();
    };
    EXPECT_EQ(shot.pixelColor(nearBottom(3)), QColor(0, 255, 0));
    EXPECT_EQ(shot.pixelColor(nearBottom(2)), QColor(0, 64, 0));
    slider(0)->setLevel(0);
    EXPECT_EQ(view->offsetText(), QStringLiteral("Offset: -15.6 (-30.1 dB)"));
    EXPECT_GT(view->barLevels()[1], kHarmonicScaleFloorDb);
    QTest::keyClick(view, Qt::Key_Escape);
    EXPECT_FALSE(view->isVisible());
}

// No sound server is reachable here: F5 says so once, also after the output has stopped waiting
// for a stream (3 s), and nothing plays.
TEST_F(SoundAndExport, F5WithoutAnAudioOutputSaysSoOnce)
{
    QTest::keyClick(window.get(), Qt::Key_F5);
    QTest::qWait(3500);
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(QStringLiteral("No audio output is available.")))
        << messages->messages[0].toStdString();
    EXPECT_FALSE(control<QAction>("actStop")->isEnabled());
}

// The context menu offers the pitch by octave, 440 Hz at first, and the sweep time, 2 s at first:
// one of each at a time.
TEST_F(SoundAndExport, ThePitchAndTheSweepTimeAreOneEntryEach)
{
    const std::tuple<const char*, const char*, int, const char*> menus[]
        = {{"mnuPitch", "55 Hz 110 Hz 220 Hz 440 Hz* 880 Hz 1760 Hz ", 4,
               "55 Hz 110 Hz 220 Hz 440 Hz 880 Hz* 1760 Hz "},
            {"mnuSweepTime", "0.5 s 1 s 2 s* 4 s 8 s ", 0, "0.5 s* 1 s 2 s 4 s 8 s "}};
    for (const auto& [name, atFirst, picked, then] : menus) {
        const QList<QAction*> entries = control<QMenu>(name)->actions();
        const auto seen = [&entries] {
            QString text;
            for (const QAction* entry : entries)
                text += entry->text() + (entry->isChecked() ? "* " : " ");
            return text;
        };
        EXPECT_EQ(seen(), atFirst);
        entries[picked]->trigger();
        EXPECT_EQ(seen(), then);
    }
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

// Ctrl+E, wherever the focus is, exports the stored table, not the wave being edited, in the
// format its file's ending names, up to its last line that holds a sound. It asks in a save
// dialog of its own, after taking the drawing flag down, as the file buttons do. A table with no
// sound is refused before the dialog; a cancel writes nothing; a failure says which file and why.
TEST_F(SoundAndExport, ExportWavetableWritesTheStoredTable)
{
    const auto exportTo = [this](const QString& path, QWidget* focused) {
        drawFlag()->setChecked(true);
        dialog->answer(path);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_E, Qt::ControlModifier);
        EXPECT_FALSE(drawFlag()->isChecked());
    };
    slider(0)->setLevel(250);
    QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier); // nothing stored yet
    EXPECT_EQ(messages->messages.takeFirst(),
        "Nothing was exported: the table holds no sound: every sample of every line is 0.");
    EXPECT_TRUE(dialog->asked.empty());
    click("cmdGenMem");
    slider(1)->setLevel(-500); // not stored
    exportTo(pathOf("table.WT"), slider(5));
    const QByteArray wt = fileBytes(pathOf("table.WT")); // vawt, 32, 1, 0, then 0.5f and 0.0f
    EXPECT_EQ(wt.left(20), QByteArray("vawt\x20\0\0\0\x01\0\0\0\0\0\0\x3F\0\0\0\0", 20));
    EXPECT_EQ(wt.size(), 12 + 32 * 4);
    const FileQuestion& asked = dialog->asked.back();
    EXPECT_TRUE(asked.mode == FileQuestion::Mode::Save && asked.confirmOverwrite);
    EXPECT_EQ(asked.title + asked.filters[1].text, "Export wavetableSurge XT wavetable (*.wt)");
    exportTo(pathOf("table.wav"), graph());
    EXPECT_EQ(dialog->asked.back().folder, folder.path()) << "where the last export went";
    const QByteArray wav = fileBytes(pathOf("table.wav"));
    EXPECT_TRUE(wav.startsWith("RIFF"));
    EXPECT_EQ(wav.size(), 2048 * 4 + 100); // the RIFF, fmt, fact, clm and data heads take 100
    const QStringList before = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
    exportTo(QString(), graph());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), before);
    EXPECT_TRUE(messages->messages.isEmpty());
    exportTo(pathOf("missing/table.wav"), preset(2));
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].startsWith(
        QStringLiteral("Could not save \"%1\": ").arg(pathOf("missing/table.wav"))));
}

// Ctrl+Shift+E writes what quenfer writes for the same target and options (the FDS's 64 levels,
// smooth, as a Verilog ROM here), asking in a save question of its own with the drawing flag
// down; a file a line asks for a folder, and so does "All lines...", a Furnace wave a line at
// the session's depth. A table with no sound is refused before any question.
TEST_F(SoundAndExport, ExportForWritesWhatQuenferWritesForTheSameTarget)
{
    const auto exportFor = [this](const char* target, const QString& answer, auto&& set) {
        drawFlag()->setChecked(true);
        if (!answer.isNull())
            dialog->answer(answer);
        QTest::keyClick(window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
        auto* chosen = window->findChild<ExportForDialog*>();
        chosen->chooseTarget(target);
        set(*chosen);
        chosen->accept();
    };
    exportFor("fds", QString(), [](ExportForDialog&) {});
    EXPECT_EQ(messages->messages.takeFirst(),
        "Nothing was exported: the table holds no sound: every sample of every line is 0.");
    EXPECT_TRUE(dialog->asked.empty());
    PatternTable table;
    storeWave(Wave {500, 250, -500, 0, 125}, 1, table);
    storeWave(Wave {-300, 300}, 3, table);
    writeFile(pathOf("t.csv"), QByteArray::fromStdString(csvText(table)));
    ASSERT_TRUE(window->features().editor.openTable(pathOf("t.csv")));
    exportFor("fds", pathOf("window.v"), [](ExportForDialog& chosen) {
        chosen.findChild<QComboBox*>("cboExportFormat")->setCurrentText("verilog");
        chosen.findChild<QComboBox*>("cboExportResampling")->setCurrentIndex(1);
    });
    EXPECT_FALSE(drawFlag()->isChecked());
    EXPECT_EQ(dialog->asked.back().title + dialog->asked.back().filters[0].text,
        "Export for verilogverilog (*.v)");
    EXPECT_EQ(QProcess::execute(QUENFER_PATH,
                  {"--chip", "fds", "--resample", "smooth", "--format", "verilog", pathOf("t.csv"),
                      pathOf("quenfer.v")}),
        0);
    EXPECT_EQ(fileBytes(pathOf("window.v")), fileBytes(pathOf("quenfer.v")));
    exportFor("dmw", pathOf("waves"), [](ExportForDialog& chosen) {
        chosen.findChild<QCheckBox*>("chkExportFileALine")->setChecked(true);
    });
    EXPECT_TRUE(dialog->asked.back().mode == FileQuestion::Mode::Folder);
    EXPECT_EQ(
        QDir(pathOf("waves")).entryList(QDir::Files).join(' '), "line01.dmw line02.dmw line03.dmw");
    dialog->answer(pathOf("all"));
    control<QMenu>("mnuSaveTrackerWave")->actions().constLast()->trigger();
    EXPECT_EQ(
        fileBytes(pathOf("all/line03.fuw")).mid(37, 4), QByteArray("\x0F\0\0\0", 4)); // 4 bits
    EXPECT_TRUE(messages->messages.isEmpty()) << messages->messages.join('\n').toStdString();
}

} // namespace
