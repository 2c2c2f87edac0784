#include "app/command_line.h"
#include "widget/window_fixture.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QUndoStack>
#include <array>
#include <functional>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

using Samples = std::array<int, kSampleCount>;

// Line 1 holds 500, -250 and zeros; the other lines stay as they were.
const QByteArray kLineOneFile = " 1, .5,-.25" + QByteArray(", 0").repeated(30) + "\r\n";

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// What an edit may change and an undo must bring back: the samples, the line shown, the table.
using Shown = std::tuple<Samples, int, PatternTable>;

class EditHistoryTest : public WindowTest
{
protected:
    Samples samples() const
    {
        Samples values {};
        for (int i = 0; i < kSampleCount; ++i)
            values[i] = slider(i)->level();
        return values;
    }
    UpwardScrollBar* selector() const { return control<UpwardScrollBar>("VScroll1"); }
    bool drawingArmed() const { return control<QCheckBox>("chkDraw")->isChecked(); }
    void restart() { SetUp(); }
    Shown shown() const { return {samples(), selector()->level(), window->patternTable()}; }
    int steps() const { return window->editSteps().count(); }
    void setWave(const std::vector<int>& leading)
    {
        for (std::size_t i = 0; i < leading.size(); ++i)
            window->samples().setSample(static_cast<int>(i), leading[i]);
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
    // Whether the window takes the drag; if so, it is dropped.
    bool drop(QMimeData& data)
    {
        QDragEnterEvent enter(graphAt(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        QDropEvent dropped(graphAt(50, 50), Qt::CopyAction, &data, Qt::LeftButton, {});
        if (enter.isAccepted())
            QApplication::sendEvent(window.get(), &dropped);
        return window->acceptDrops() && enter.isAccepted();
    }
    // Runs an entry of a submenu of the graph's menu, found by the texts the user reads.
    void menuEntry(const QString& menu, const QString& entry)
    {
        for (const QAction* action : window->graphMenu().actions())
            for (QAction* inner : action->menu() ? action->menu()->actions() : QList<QAction*> {})
                if (action->text() == menu && inner->text() == entry)
                    return inner->trigger();
        ADD_FAILURE() << "no entry " << entry.toStdString();
    }
};

TEST_F(EditHistoryTest, EachUserActionIsOneStepThatUndoesAndRedoesWhole)
{
    writeFile(pathOf("other.csv"), kLineOneFile);
    QMimeData dropped;
    dropped.setUrls({QUrl::fromLocalFile(pathOf("other.csv"))});
    dialog->answer(pathOf("other.csv"));
    // Whole sample values of 15, or the top of a 4-bit tracker wave.
    QGuiApplication::clipboard()->setText(QString("15 ").repeated(32));
    // What the user does, the wave set before, and the widget that has the focus for a key.
    const std::vector<std::tuple<const char*, std::function<void()>, std::vector<int>, QWidget*>>
        cases = {
            {"slider key", [this] { press(Qt::Key_Up, {}); }, {}, slider(3)},
            {"slider thumb drag",
                [this] { // at level 0 the thumb stands in the middle of the bar
                    const QPoint thumb = slider(5)->rect().center();
                    drag(slider(5), thumb, thumb - QPoint(0, 30));
                },
                {}, nullptr},
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
            {"drop a CSV file", [&] { EXPECT_TRUE(drop(dropped)); }, {9}, nullptr},
        };
    for (const auto& [name, act, wave, focus] : cases) {
        setWave(wave);
        (focus ? focus : slider(0))->setFocus();
        const int stepsBefore = steps();
        const Shown before = shown();
        act();
        const Shown after = shown();
        ASSERT_NE(after, before) << name;
        EXPECT_EQ(steps(), stepsBefore + 1) << name;

        QSignalSpy handled(window.get(), &frmOndulix::sampleChangeHandled);
        slider(0)->setFocus();
        press(Qt::Key_Z);
        EXPECT_EQ(shown(), before) << name;
        EXPECT_EQ(handled.isEmpty(), std::get<Samples>(before) == std::get<Samples>(after)) << name;
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
    press(Qt::Key_C);
    menuEntry("Copy as tracker wave", "8 bits (0 to 255)");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "255 64" + QString(" 128").repeated(30));
    QMimeData twoFiles;
    twoFiles.setUrls({QUrl::fromLocalFile(pathOf("a.csv")), QUrl::fromLocalFile(pathOf("b.csv"))});
    EXPECT_FALSE(drop(twoFiles));
    for (const QString& pasted : {QString("1 ").repeated(31), QString("0 ").repeated(31) + "501"}) {
        QGuiApplication::clipboard()->setText(pasted);
        press(Qt::Key_V);
    }
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(steps(), stepsBefore);
    EXPECT_EQ(messages->messages,
        QStringList({"Nothing was pasted: 32 numbers were expected; 31 were found.",
            "Nothing was pasted: A value from -500 to 500 was expected as value 32; \"501\" was "
            "found."}));
}

TEST_F(EditHistoryTest, TheHistoryHoldsAThousandSteps)
{
    setWave({1});
    for (int i = 0; i <= EditHistory::kStepLimit; ++i)
        press(Qt::Key_I);
    EXPECT_GE(steps(), 1000);
}

TEST_F(EditHistoryTest, TheGraphsMenuOpensOnARightPressAloneAndTakesTheClick)
{
    click("cmdSave"); // takes the drawing flag down
    QTest::mousePress(graph(), Qt::RightButton, {}, graphAt(50, 50));
    QMenu& menu = window->graphMenu();
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    QTest::mouseRelease(graph(), Qt::RightButton, {}, graphAt(50, 50));
    EXPECT_FALSE(drawingArmed());

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

TEST_F(EditHistoryTest, AFileNamedAtTheStartOpensWithoutTheDialog)
{
    writeFile(pathOf("start.csv"), kLineOneFile);
    window->openStartFile(pathOf("start.csv"));
    EXPECT_EQ(samples()[1], -250);
    EXPECT_EQ(window->csvFileName(), pathOf("start.csv"));
    EXPECT_TRUE(drawingArmed());
    EXPECT_EQ(steps(), 0);
    EXPECT_TRUE(window->close()) << "the table is as the file holds it";

    restart();
    writeFile(pathOf("long.csv"), QByteArray("1,0.1\r\n").repeated(33));
    window->openStartFile(pathOf("long.csv"));
    EXPECT_EQ(window->patternTable(), PatternTable {});
    ASSERT_EQ(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains("line 33")) << messages->messages[0].toStdString();
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
        EXPECT_EQ(line.run, run) << arguments.back();
        EXPECT_EQ(line.file, file) << arguments.back();
        EXPECT_TRUE(line.text.starts_with(text)) << line.text;
    }
}

struct ScriptedQuestion : SaveQuestion
{
    Answer answer = Answer::Cancel;
    Answer ask(const QString&) override { return answer; }
};

// A question answered Cancel keeps the window open, so a window that closes was not asked.
TEST_F(EditHistoryTest, ClosingAsksToSaveOnlyATableChangedSinceOpenedOrSaved)
{
    using Answer = SaveQuestion::Answer;
    auto* question = new ScriptedQuestion;
    window->setSaveQuestion(std::unique_ptr<SaveQuestion>(question));
    EXPECT_TRUE(window->close()) << "an unchanged table";
    // The answer, whether the save dialog is answered, and whether the window closes.
    const std::vector<std::tuple<Answer, bool, bool>> cases = {{Answer::Cancel, false, false},
        {Answer::Discard, false, true}, {Answer::Save, false, false}, {Answer::Save, true, true}};
    for (const auto& [answer, saveAnswered, closes] : cases) {
        restart();
        auto* question = new ScriptedQuestion;
        question->answer = answer;
        window->setSaveQuestion(std::unique_ptr<SaveQuestion>(question));
        setWave({42});
        click("cmdGenMem");
        if (saveAnswered)
            dialog->answer(pathOf("kept.csv"));
        EXPECT_EQ(window->close(), closes) << static_cast<int>(answer);
    }
    EXPECT_TRUE(fileBytes(pathOf("kept.csv")).startsWith(" 1, .042,")) << "saved before closing";
}

} // namespace
