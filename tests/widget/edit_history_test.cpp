#include "app/command_line.h"
#include "app/editor/change_signals.h"
#include "app/editor/editor.h"
#include "pattern/line_waves.h"
#include "widget/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <functional>
#include <numeric>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

// What an edit may change and an undo must bring back: the samples, the line shown, the table.
using Shown = std::tuple<Wave, int, PatternTable>;

class EditHistoryTest : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        // Its line 1 holds 500, -250 and zeros; the other lines stay as they were.
        writeFile(pathOf("line1.csv"), " 1, .5,-.25" + QByteArray(", 0").repeated(30) + "\r\n");
    }
    UpwardScrollBar* selector() const { return control<UpwardScrollBar>("VScroll1"); }
    Shown shown() const
    {
        return {readWave(window->features().editor.samples()), selector()->level(),
            window->features().editor.table()};
    }
    int steps() const { return window->features().editor.history().steps(); }
    void setWave(const std::vector<int>& leading)
    {
        for (std::size_t i = 0; i < leading.size(); ++i)
            window->features().editor.samples().setSample(static_cast<int>(i), leading[i]);
    }
    // Keys go to whatever has the focus, as the user's do.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    QPoint graphAt(int x, int y) const { return graph()->contentsRect().topLeft() + QPoint(x, y); }
    // A press, two moves with the button held, and the release.
    void drag(QWidget* widget, QPoint from, QPoint to)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, (from + to) / 2);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }
    // Whether the window takes a drag of these files; if so, they are dropped.
    bool drop(const QList<QUrl>& files)
    {
        QMimeData data;
        data.setUrls(files);
        QDragEnterEvent enter(graphAt(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent dropped(graphAt(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        return window->acceptDrops() && QApplication::sendEvent(window.get(), &enter)
            && enter.isAccepted() && QApplication::sendEvent(window.get(), &dropped);
    }
    // Runs an entry of a submenu of the graph's menu, found by the texts the user reads.
    void menuEntry(const QString& menu, const QString& entry)
    {
        for (const QAction* action : graphMenu().actions())
            for (QAction* inner : action->menu() ? action->menu()->actions() : QList<QAction*> {})
                if (action->text() == menu && inner->text() == entry)
                    return inner->trigger();
        ADD_FAILURE() << "no entry " << entry.toStdString();
    }
};

TEST_F(EditHistoryTest, EachUserActionIsOneStepThatUndoesAndRedoesWhole)
{
    dialog->answer(pathOf("line1.csv"));
    // Whole sample values of 15, or the top of a 4-bit tracker wave.
    QGuiApplication::clipboard()->setText(QString("15 ").repeated(32));
    // What the user does, the wave set before, and the widget that has the focus for a key.
    const std::vector<std::tuple<const char*, std::function<void()>, std::vector<int>, QWidget*>>
        cases = {
            {"slider key", [this] { press(Qt::Key_Up, {}); }, {}, slider(3)},
            {"graph stroke", [this] { drag(graph(), graphAt(8, 40), graphAt(90, 60)); }, {},
                nullptr},
            {"preset by the mouse", [this] { QTest::mouseClick(preset(2), Qt::LeftButton); }, {},
                nullptr},
            {"preset by the keyboard", [this] { press(Qt::Key_Right, {}); }, {}, preset(2)},
            {"paste tracker wave", [this] { menuEntry("Paste tracker wave", "4 bits (0 to 15)"); },
                {}, nullptr},
            {"paste", [this] { press(Qt::Key_V); }, {}, nullptr},
            {"normalize", [this] { click("cmdNormal"); }, {}, nullptr},
            {"invert", [this] { press(Qt::Key_I); }, {100, -50, 3}, nullptr},
            {"smooth", [this] { press(Qt::Key_M); }, {}, nullptr},
            {"generate to memory", [this] { click("cmdGenMem"); }, {}, nullptr},
            {"paging over edits never stored", [this] { press(Qt::Key_Up, {}); }, {11, 22, 33},
                selector()},
            {"open CSV", [this] { press(Qt::Key_O); }, {-5, 5}, nullptr},
            {"drop a CSV file",
                [this] { EXPECT_TRUE(drop({QUrl::fromLocalFile(pathOf("line1.csv"))})); }, {9},
                nullptr},
        };
    for (const auto& [name, act, wave, focus] : cases) {
        setWave(wave);
        (focus ? focus : slider(0))->setFocus();
        const int stepsBefore = steps();
        const Shown before = shown();
        act();
        const Shown after = shown();
        ASSERT_NE(after, before) << name;
        QSignalSpy handled(&window->features().editor.changes(), &ChangeSignals::sampleChanged);
        slider(0)->setFocus();
        press(Qt::Key_Z);
        EXPECT_EQ(shown(), before) << name;
        EXPECT_EQ(handled.isEmpty(), std::get<Wave>(before) == std::get<Wave>(after)) << name;
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(shown(), after) << name;
        EXPECT_EQ(steps(), stepsBefore + 1) << name;
    }
}

TEST_F(EditHistoryTest, CopiesRefusalsAndActionsThatChangeNothingRecordNoStep)
{
    setWave({500, -250});
    const Shown before = shown();
    const int stepsBefore = steps();
    click("cmdNormal");
    menuEntry("Copy as tracker wave", "8 bits (0 to 255)");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "255 64" + QString(" 128").repeated(30));
    EXPECT_FALSE(
        drop({QUrl::fromLocalFile(pathOf("a.csv")), QUrl::fromLocalFile(pathOf("b.csv"))}));
    QGuiApplication::clipboard()->setText(QString("1 ").repeated(31));
    press(Qt::Key_V);
    drag(graph(), graphAt(45, 40), graphAt(45, 125)); // sample 6 up and back to 0 in one stroke
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(steps(), stepsBefore);
    EXPECT_EQ(messages->messages.size(), 1) << "the paste's refusal";
}

TEST_F(EditHistoryTest, TheGraphsMenuOpensOnARightPressAloneAndTakesTheClick)
{
    click("cmdSave"); // takes the drawing flag down
    QTest::mousePress(graph(), Qt::RightButton, {}, graphAt(50, 50));
    QMenu& menu = graphMenu();
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    QTest::mouseRelease(graph(), Qt::RightButton, {}, graphAt(50, 50));
    EXPECT_FALSE(drawFlag()->isChecked());

    // During a left stroke a right press does nothing.
    QTest::mousePress(graph(), Qt::LeftButton, {}, graphAt(50, 50));
    QTest::mousePress(graph(), Qt::RightButton, {}, graphAt(60, 50));
    EXPECT_FALSE(menu.isVisible());
    QTest::mouseRelease(graph(), Qt::RightButton, {}, graphAt(60, 50));
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, graphAt(60, 50));

    graph()->setFocus();
    QTest::keyClick(graph(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu.isVisible());
}

// The menu lists its sections in one order, whichever feature asked first, a separator between
// two sections but where one goes on from the other.
TEST_F(EditHistoryTest, TheGraphsMenuListsItsSectionsInTheirOrder)
{
    QStringList entries;
    for (const QAction* entry : graphMenu().actions())
        entries << (entry->isSeparator() ? QStringLiteral("|") : entry->text());
    EXPECT_EQ(entries.join(","),
        "Undo,Redo,|,Copy,Paste,Copy as tracker wave,Save tracker wave,Paste tracker wave,|,"
        "Invert,Reverse,Rotate one sample later,Rotate one sample earlier,Smooth,|,"
        "Open CSV...,Save CSV...,|,Export wavetable...,Export for...,|,Import...,|,"
        "Play,Hear the sweep,Pitch,Sweep time,Stop,Harmonics...,Remove offset,|,"
        "Octave down,Octave up,Keys: octave 4, Z is C4,MIDI: not available,|,"
        "Pattern table,Morph lines...,|,Chip &depth,Round to chip levels,|,Formula...,|,"
        "Go to line...,Actions...");
}

// Several lines written at once (a morph, an import) are one step. The current line among them
// reaches the sliders through paging's load, every handler running; one undo brings back all
// the lines and the unstored edit in the sliders.
TEST_F(EditHistoryTest, WritingSeveralLinesIsOneStepThatUndoesLinesAndSliders)
{
    selector()->setLevel(3);
    setWave({7});
    window->features().editor.writeLines(std::array {LineWrite {5, Wave {1}}});
    EXPECT_EQ(std::get<Wave>(shown()), Wave {7}) << "the unstored edit of another line stays";
    const Shown before = shown();
    const int stepsBefore = steps();
    Wave ramp {};
    std::iota(ramp.begin(), ramp.end(), -16);
    const LineWrite lines[] = {{2, ramp}, {3, ramp}, {32, Wave {}}};
    window->features().editor.writeLines(lines);
    EXPECT_EQ(std::get<Wave>(shown()), ramp);
    EXPECT_EQ(labelText("lblSLideNo") + " " + labelText("lblSlideVal"), "32 0.015");
    EXPECT_EQ(lineWave(window->features().editor.table(), 2), ramp);
    EXPECT_EQ(steps(), stepsBefore + 1);
    press(Qt::Key_Z);
    EXPECT_EQ(shown(), before);
}

// Features follow the editor through the change signals: paging names each line it loads, and
// each action and undo ends with one signal, after one that says it wrote the table.
TEST_F(EditHistoryTest, TheChangeSignalsFollowEveryAction)
{
    ChangeSignals& changes = window->features().editor.changes();
    QStringList seen;
    QObject::connect(
        &changes, &ChangeSignals::linePaged, [&](int line) { seen << QString::number(line); });
    QObject::connect(&changes, &ChangeSignals::csvOpened, [&] { seen << "opened"; });
    QObject::connect(&changes, &ChangeSignals::tableWritten, [&] { seen << "written"; });
    QObject::connect(&changes, &ChangeSignals::actionEnded, [&] { seen << "ended"; });
    const auto after = [&seen](const std::function<void()>& act) {
        seen.clear();
        act();
        return seen.join(' ');
    };
    EXPECT_EQ(after([this] { setWave({5}); }), "ended");
    EXPECT_EQ(after([this] { click("cmdGenMem"); }), "written ended");
    dialog->answer(pathOf("line1.csv"));
    EXPECT_EQ(after([this] { press(Qt::Key_O); }), "opened 32 1 written ended");
    EXPECT_EQ(
        after([this] { drop({QUrl::fromLocalFile(pathOf("line1.csv"))}); }), "opened 32 1 ended");
    EXPECT_EQ(after([this] { press(Qt::Key_Z); }), "written ended");
}

TEST(CommandLine, NamesOneFileOrAsksForHelpOrTheVersion)
{
    using Run = CommandLine::Run;
    // The arguments, what they ask for, the file and how the printed text starts.
    const std::vector<
        std::tuple<std::vector<std::string>, Run, std::optional<std::string>, std::string>>
        cases = {
            {{"a.csv"}, Run::Window, "a.csv", ""},
            {{"-"}, Run::Window, "-", ""},
            {{"--", "--help"}, Run::Window, "--help", ""},
            {{"a.csv", "--version"}, Run::PrintAndExit, std::nullopt, "ondulix 0.0.5\n"},
            {{"--help", "-x"}, Run::PrintAndExit, std::nullopt, "Usage: ondulix [FILE.csv]\n"},
            {{"-x"}, Run::Refuse, std::nullopt, "ondulix: unknown option -x\nUsage: "},
            {{"a", "b"}, Run::Refuse, std::nullopt, "ondulix: only one file can be opened\n"},
        };
    for (const auto& [arguments, run, file, text] : cases) {
        const CommandLine line = readCommandLine(arguments);
        EXPECT_TRUE(line.run == run && line.file == file && line.text.starts_with(text))
            << arguments.back() << ": " << line.text;
    }
}

// A file named at the start opens without the dialog, and the table is then what the file
// holds. A shorter file opened onto it leaves cells that file does not hold, so the table is
// changed; so is a wave the sliders hold and its line does not. Closing asks then. Save keeps it
// all: the wave into its line, then the table into the file it came from, or where the dialog
// says; a cancelled or failed save keeps the window open. Discard closes, Cancel does not.
TEST_F(EditHistoryTest, ClosingAsksWhileWorkIsInNoFileAndSaveKeepsItAll)
{
    openWindow(pathOf("line1.csv"));
    QTRY_COMPARE(std::get<Wave>(shown())[1], -250);
    EXPECT_TRUE(drawFlag()->isChecked());
    EXPECT_EQ(steps(), 0);
    click("cmdSave"); // cancelled: it proposed the file opened
    EXPECT_EQ(dialog->asked.back().selectedFile, pathOf("line1.csv"));
    EXPECT_TRUE(window->close()) << "the table is as the file holds it";
    window->show();
    writeFile(pathOf("other.csv"), " 1, .1\r\n");
    dialog->answer(pathOf("other.csv"));
    click("cmdOpen");
    EXPECT_FALSE(window->close()) << "line 1's other samples are in no file";
    setWave({7});
    question->answer = SaveQuestion::Answer::Save;
    const auto asked = dialog->asked.size();
    EXPECT_TRUE(window->close());
    EXPECT_EQ(dialog->asked.size(), asked) << "saved into the file it came from";
    EXPECT_TRUE(fileBytes(pathOf("other.csv")).startsWith(" 1, .007,-.25, 0,"));
    window->show();
    setWave({8});
    ASSERT_TRUE(QFile::remove(pathOf("other.csv")) && QDir().mkdir(pathOf("other.csv")));
    EXPECT_FALSE(window->close()) << "its file cannot be written: a folder stands in its place";

    SetUp(); // no file yet
    setWave({42});
    question->answer = SaveQuestion::Answer::Save;
    EXPECT_FALSE(window->close()) << "the dialog was cancelled";
    EXPECT_EQ(lineWave(window->features().editor.table(), 1)[0], 42) << "stored, as one step";
    press(Qt::Key_Z);
    EXPECT_EQ(lineWave(window->features().editor.table(), 1)[0], 0);
    dialog->answer(pathOf("missing/kept.csv"));
    EXPECT_FALSE(window->close()) << "the save failed";
    EXPECT_TRUE(messages->messages.last().startsWith("Could not save"));
    question->answer = SaveQuestion::Answer::Cancel;
    EXPECT_FALSE(window->close());
    question->answer = SaveQuestion::Answer::Discard;
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(QFile::exists(pathOf("kept.csv")));
}

} // namespace
