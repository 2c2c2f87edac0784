#include "app/features/import_landing_dialog.h"
#include "pattern/line_waves.h"
#include "widget/window_fixture.h"

#include <QAction>
#include <QDialog>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <cmath>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

QByteArray u32(quint32 value)
{
    const char bytes[] = {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
    return QByteArray(bytes, 4);
}

// A 32-bit float WAV file of one or two channels, with one more chunk before the data when given.
QByteArray wavFile(const std::vector<float>& samples, const QByteArray& chunk = {},
    char channels = 1, quint32 rate = 48000)
{
    QByteArray data;
    for (const float sample : samples)
        data += QByteArray(reinterpret_cast<const char*>(&sample), 4);
    const QByteArray body = "WAVEfmt " + u32(16) + QByteArray("\3\0", 2) + channels + '\0'
        + u32(rate) + u32(rate * 4 * channels) + char(4 * channels) + QByteArray("\0\x20\0", 3)
        + chunk + "data" + u32(data.size()) + data;
    return "RIFF" + u32(body.size()) + body;
}

class WaveImport : public WindowTest
{
protected:
    // Chosen in the import's own dialog, asked for by Ctrl+Shift+O wherever the focus is. Where
    // it asks where lines land, `land` answers; Enter, taking what it shows, when none is given.
    void importFile(const QString& name, const QByteArray& bytes,
        const std::function<void(ImportLandingDialog&)>& land = {})
    {
        writeFile(pathOf(name), bytes);
        dialog->answer(pathOf(name));
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&land] {
            auto* ask = qobject_cast<ImportLandingDialog*>(QApplication::activeModalWidget());
            if (ask && land)
                land(*ask);
            else if (ask)
                QTest::keyClick(ask->focusWidget(), Qt::Key_Return);
        });
        answer.start(20);
        window->activateWindow(); // back from the last one's dialogs
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(slider(7), Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    }
    // Line `line` of the table as Save CSV writes it, in sample units.
    std::vector<int> savedLine(int line)
    {
        dialog->answer(pathOf("saved.csv"));
        click("cmdSave");
        const QList<QByteArray> fields
            = fileBytes(pathOf("saved.csv")).split('\n')[line - 1].split(',');
        std::vector<int> samples;
        for (qsizetype k = 1; k < fields.size(); ++k)
            samples.push_back(static_cast<int>(std::lround(fields[k].trimmed().toDouble() * 1000)));
        return samples;
    }
    std::vector<int> sliders()
    {
        std::vector<int> levels;
        for (int k = 0; k < 32; ++k)
            levels.push_back(slider(k)->level());
        return levels;
    }
};

// A single cycle, its two channels averaged, becomes the current wave; a wavetable of 40 frames
// marked by its clm chunk fills all 32 lines with frames chosen evenly, first and last included,
// the current line shown and all of it one undo step. Both are read through libsndfile and come
// back from a saved CSV. A file that is not audio is named in a message and changes nothing.
TEST_F(WaveImport, ACycleAndAWavetableArriveAndAFileThatIsNotAudioChangesNothing)
{
    std::vector<float> cycle(128), frames;
    std::vector<int> sine(32);
    for (int k = 0; k < 128; ++k) // the left channel 0.1 above the mean, the right 0.1 below
        cycle[k] = static_cast<float>(0.5 * std::sin(k / 2 * M_PI / 32) + (k % 2 ? -0.1 : 0.1));
    for (int k = 0; k < 32; ++k)
        sine[k] = static_cast<int>(std::lround(250 * std::sin(k * M_PI / 16)));
    importFile("cycle.wav", wavFile(cycle, {}, 2));
    click("cmdGenMem");
    EXPECT_EQ(savedLine(1), sine);
    for (int frame = 0; frame < 40; ++frame)
        frames.insert(frames.end(), 256, frame / 100.0f);
    control<UpwardScrollBar>("VScroll1")->setLevel(2);
    importFile("table.WAVE", wavFile(frames, "clm " + u32(6) + "<!>256"));
    EXPECT_EQ(sliders(), std::vector<int>(32, 5))
        << "line 2 takes frame (2 - 1) x 39 / 31, rounded";
    importFile("notes.wav", "some notes, not sound\n"); // nothing changes, no undo step either
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains(QRegularExpression("^Could not import \""
        + QRegularExpression::escape(pathOf("notes.wav")) + "\": not audio \\(\\w.*\\w\\)\\.$")))
        << messages->messages[0].toStdString() << ": libsndfile's reason, without its full stop";
    EXPECT_EQ(sliders(), std::vector<int>(32, 5));
    for (const auto& [line, level] :
        std::vector<std::pair<int, int>> {{1, 0}, {17, 100}, {32, 195}})
        EXPECT_EQ(savedLine(line), std::vector<int>(32, level)) << line;
    QTest::keyClick(graph(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(savedLine(1), sine);
    EXPECT_EQ(sliders(), std::vector<int>(32, 0));
    const FileQuestion& asked = dialog->asked[0];
    EXPECT_EQ(asked.title + asked.filters[0].text + asked.filters[1].text + asked.filters[2].text,
        "ImportAudio and wavetables (*.wav *.wave *.aif *.aiff *.flac *.ogg *.opus *.wt)"
        "Tracker waves (*.fuw *.dmw)All files (*)");
}

// Save tracker wave asks in a dialog of its own and writes the current wave in the format the name
// gives: Square at 4 bits is Furnace's 169 bytes, and imported again it is Square.
TEST_F(WaveImport, SaveTrackerWaveWritesAFileThatImportsBack)
{
    preset(1)->click();
    const std::vector<int> square = sliders();
    dialog->answer(pathOf("square.fuw"));
    control<QMenu>("mnuSaveTrackerWave")->actions()[0]->trigger();
    EXPECT_EQ(fileBytes(pathOf("square.fuw")).size(), 169);
    EXPECT_EQ(dialog->asked.back().filters[1].text, "DefleMask wave (*.dmw)");
    EXPECT_EQ(control<QMenu>("mnuSaveTrackerWave")->actions()[3]->text(), "8 bits (0 to 255)");
    preset(2)->click();
    importFile("square.fuw", fileBytes(pathOf("square.fuw")));
    EXPECT_EQ(sliders(), square);
}

// A wavetable of several frames asks where its lines land. From 5 to 8 takes four of its ten
// frames, spread evenly, and no other line changes; Plain makes each point the mean of its part
// of the frame, so a saw stays a clean staircase. Escape imports nothing.
TEST_F(WaveImport, AWavetableLandsInTheLinesChosen)
{
    std::vector<float> frames;
    for (int frame = 1; frame <= 10; ++frame) {
        for (int j = 0; j < 256; ++j)
            frames.push_back(static_cast<float>((-1 + (2 * j + 1) / 256.0) * frame / 10));
    }
    const QByteArray table = wavFile(frames, "clm " + u32(6) + "<!>256");
    importFile("saws.wav", table, [](ImportLandingDialog& ask) { ask.reject(); });
    EXPECT_EQ(window->features().editor.table(), PatternTable {});
    importFile("saws.wav", table, [](ImportLandingDialog& ask) {
        ask.findChild<QSpinBox*>("spnLandFrom")->setValue(5);
        ask.findChild<QSpinBox*>("spnLandTo")->setValue(8);
        ask.findChild<QRadioButton*>("optLandPlain")->setChecked(true);
        ask.accept();
    });
    Wave staircase {};
    for (int k = 0; k < 32; ++k)
        staircase[k] = static_cast<int>(std::lround(500 * (-0.96875 + k / 16.0)));
    const PatternTable& stored = window->features().editor.table();
    EXPECT_EQ(lineWave(stored, 8), staircase) << "the last frame, at full height";
    EXPECT_EQ(lineWave(stored, 5)[0], -48) << "the first, a tenth of it";
    EXPECT_EQ(lineWave(stored, 6)[31], 194) << "frame 4 of 10";
    EXPECT_EQ(lineWave(stored, 4) == Wave {} && lineWave(stored, 9) == Wave {}, true);
}

// Ten minutes of noise take a moment to search for a pitch: the import shows its progress over
// every window, and Cancel stops it and changes nothing.
TEST_F(WaveImport, ALongImportShowsItsProgressAndCancelChangesNothing)
{
    std::vector<float> noise(8000 * 600);
    for (std::size_t k = 0; k < noise.size(); ++k)
        noise[k] = static_cast<float>((k * 7919 % 2003) / 2003.0 - 0.5);
    QTimer cancel;
    QString shown;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
        if (auto* progress = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown = progress->objectName();
            progress->reject();
        }
    });
    cancel.start(50);
    importFile("noise.wav", wavFile(noise, {}, 1, 8000));
    EXPECT_EQ(shown, "importProgress");
    EXPECT_EQ(sliders(), std::vector<int>(32, 0));
    EXPECT_TRUE(messages->messages.isEmpty());
}

} // namespace
