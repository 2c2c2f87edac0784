#include "widget/csv_window_fixture.h"
#include "widget/scroll_bar_parts.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QUndoStack>
#include <functional>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

// What an edit may change and an undo must bring back.
struct Shown
{
    Samples samples;
    int line;
    PatternTable table;
    friend bool operator==(const Shown&, const Shown&) = default;
};

class EditHistoryTest : public CsvWindowTest
{
protected:
    Shown shown() const { return {samples(), selector()->level(), window->patternTable()}; }
    int steps() const { return window->editSteps().count(); }
    void setWave(std::initializer_list<int> leading)
    {
        int i = 0;
        for (const int value : leading)
            window->samples().setSample(i++, value);
    }
    // Keys go to whatever has the focus, as the user's do.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
    }
    QPoint graphAt(int x, int y) const { return graph()->contentsRect().topLeft() + QPoint(x, y); }
    void stroke()
    {
        QTest::mousePress(graph(), Qt::LeftButton, {}, graphAt(8, 40));
        for (const int x : {30, 60, 90})
            QTest::mouseMove(graph(), graphAt(x, 60));
        QTest::mouseRelease(graph(), Qt::LeftButton, {}, graphAt(90, 60));
    }
    void dragThumb(UpwardScrollBar* bar)
    {
        const QPoint thumb = partOf(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(bar, Qt::LeftButton, {}, thumb);
        for (const int dy : {10, 20, 30})
            QTest::mouseMove(bar, thumb - QPoint(0, dy));
        QTest::mouseRelease(bar, Qt::LeftButton, {}, thumb - QPoint(0, 30));
    }
    void dropFile(const QString& path)
    {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint where = graphAt(50, 50);
        QDragEnterEvent enter(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent drop(where, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window.get(), &drop);
    }
};

TEST_F(EditHistoryTest, EachUserActionIsOneStepThatUndoesAndRedoesWhole)
{
    writeFile(pathOf("other.csv"), exampleFile());
    const struct
    {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> act;
    } cases[] = {
        {"slider key", [this] { slider(3)->setFocus(); }, [this] { press(Qt::Key_Up, {}); }},
        {"slider thumb drag", nullptr, [this] { dragThumb(slider(5)); }},
        {"slider trough click", nullptr,
            [this] {
                QTest::mouseClick(slider(6), Qt::LeftButton, {},
                    partOf(slider(6), QStyle::SC_ScrollBarSubPage).topLeft() + QPoint(4, 4));
            }},
        {"graph stroke", nullptr, [this] { stroke(); }},
        {"preset by the mouse", nullptr, [this] { QTest::mouseClick(preset(2), Qt::LeftButton); }},
        {"preset by the keyboard", nullptr, [this] { press(Qt::Key_Right, {}); }},
        {"normalize",
            [this] {
                for (int i = 0; i < kSampleCount; ++i)
                    window->samples().setSample(i, i - 16);
            },
            [this] { click("cmdNormal"); }},
        {"paste", [] { QGuiApplication::clipboard()->setText(QString("7 ").repeated(32)); },
            [this] { press(Qt::Key_V); }},
        {"invert",
            [this] {
                setWave({100, -50, 3});
            },
            [this] { press(Qt::Key_I); }},
        {"reverse", nullptr, [this] { press(Qt::Key_R); }},
        {"rotate later", nullptr, [this] { press(Qt::Key_Right); }},
        {"rotate earlier", nullptr, [this] { press(Qt::Key_Left); }},
        {"smooth", nullptr, [this] { press(Qt::Key_M); }},
        {"generate to memory", nullptr, [this] { click("cmdGenMem"); }},
        {"paging over edits never stored",
            [this] {
                setWave({11, 22, 33});
            },
            [this] {
                selector()->setFocus();
                press(Qt::Key_Up, {});
            }},
        {"open CSV",
            [this] {
                setWave({-5, 5});
            },
            [this, path = pathOf("other.csv")] { open(path); }},
        {"drop a CSV file",
            [this] {
                setWave({9});
                click("cmdGenMem");
            },
            [this, path = pathOf("other.csv")] { dropFile(path); }},
    };
    for (const auto& c : cases) {
        slider(0)->setFocus();
        if (c.prepare)
            c.prepare();
        const int stepsBefore = steps();
        const Shown before = shown();
        c.act();
        const Shown after = shown();
        ASSERT_NE(after, before) << c.name;
        EXPECT_EQ(steps(), stepsBefore + 1) << c.name;

        QSignalSpy handled(window.get(), &frmOndulix::sampleChangeHandled);
        slider(0)->setFocus();
        press(Qt::Key_Z);
        EXPECT_EQ(shown(), before) << c.name;
        EXPECT_EQ(handled.isEmpty(), before.samples == after.samples) << c.name;
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(shown(), after) << c.name;
        press(Qt::Key_Z);
        press(Qt::Key_Y);
        EXPECT_EQ(shown(), after) << c.name;
        EXPECT_EQ(steps(), stepsBefore + 1) << c.name;
    }
}

TEST_F(EditHistoryTest, ActionsThatChangeNothingAndRefusedPastesRecordNoStep)
{
    setWave({500, -250});
    const Shown before = shown();
    const int stepsBefore = steps();
    click("cmdNormal");
    QGuiApplication::clipboard()->setText(QString("1 ").repeated(31));
    press(Qt::Key_V);
    QGuiApplication::clipboard()->setText(QString("0 ").repeated(31) + "501");
    press(Qt::Key_V);
    EXPECT_EQ(shown(), before);
    EXPECT_EQ(steps(), stepsBefore);
    EXPECT_EQ(recorder->messages,
        QStringList({"Nothing was pasted: 32 numbers were expected; 31 were found.",
            "Nothing was pasted: A value from -500 to 500 was expected as value 32; \"501\" was "
            "found."}));
}

TEST_F(EditHistoryTest, CopyGivesTheClipboardButtonsTextAndPasteTakesItBack)
{
    setWave({500, -250, 1});
    click("cmdGenerate");
    const QString fromButton = QGuiApplication::clipboard()->text();
    QGuiApplication::clipboard()->clear();
    press(Qt::Key_C);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), fromButton);
    press(Qt::Key_I);
    press(Qt::Key_V);
    EXPECT_EQ(samples()[0], 500);
    EXPECT_EQ(samples()[1], -250);
    EXPECT_EQ(samples()[2], 1);
}

TEST_F(EditHistoryTest, TheHistoryHoldsAThousandSteps)
{
    setWave({1});
    for (int i = 0; i <= EditHistory::kStepLimit; ++i)
        press(Qt::Key_I);
    EXPECT_EQ(steps(), 1000);
}

TEST_F(EditHistoryTest, TheGraphsMenuOpensOnARightPressAloneAndTakesTheClick)
{
    dialog->cancel();
    click("cmdSave"); // takes the drawing flag down
    QTest::mousePress(graph(), Qt::RightButton, {}, graphAt(50, 50));
    QMenu& menu = window->graphMenu();
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
    QTest::mouseRelease(graph(), Qt::RightButton, {}, graphAt(50, 50));
    EXPECT_FALSE(drawingArmed());

    // During a left stroke a right press does nothing.
    QTest::mousePress(graph(), Qt::LeftButton, {}, graphAt(50, 50));
    QMouseEvent right(QEvent::MouseButtonPress, graphAt(60, 50),
        graph()->mapToGlobal(graphAt(60, 50)), Qt::RightButton, Qt::LeftButton | Qt::RightButton,
        {});
    QApplication::sendEvent(graph(), &right);
    EXPECT_FALSE(menu.isVisible());
    QTest::mouseRelease(graph(), Qt::LeftButton, {}, graphAt(60, 50));

    graph()->setFocus();
    QTest::keyClick(graph(), Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(menu.isVisible());
    menu.hide();
}

TEST_F(EditHistoryTest, TheMenuListsEveryOperationWithItsShortcut)
{
    QStringList entries;
    for (const QAction* action : window->graphMenu().actions()) {
        if (!action->isSeparator())
            entries << action->text() + " " + action->shortcut().toString();
        EXPECT_TRUE(action->isSeparator() || window->actions().contains(action))
            << action->text().toStdString();
    }
    EXPECT_EQ(entries,
        QStringList({"Undo Ctrl+Z", "Redo Ctrl+Shift+Z", "Copy Ctrl+C", "Paste Ctrl+V",
            "Copy as tracker wave ", "Paste tracker wave ", "Invert Ctrl+I", "Reverse Ctrl+R",
            "Rotate one sample later Ctrl+Right", "Rotate one sample earlier Ctrl+Left",
            "Smooth Ctrl+M", "Open CSV... Ctrl+O", "Save CSV... Ctrl+S"}));
}

TEST_F(EditHistoryTest, AFileNamedAtTheStartOpensWithoutTheDialog)
{
    writeFile(pathOf("start.csv"), exampleFile());
    window->openStartFile(pathOf("start.csv"));
    EXPECT_EQ(samples()[0], 500);
    EXPECT_EQ(samples()[1], -250);
    EXPECT_EQ(samples()[3], 1);
    EXPECT_EQ(window->csvFileName(), pathOf("start.csv"));
    EXPECT_TRUE(drawingArmed());
    EXPECT_TRUE(dialog->shown.empty());
    EXPECT_EQ(steps(), 0);
    EXPECT_TRUE(window->close()) << "the table is as the file holds it";

    restart();
    writeFile(pathOf("long.csv"), numberedLines(33));
    window->openStartFile(pathOf("long.csv"));
    EXPECT_EQ(window->patternTable(), PatternTable {});
    ASSERT_EQ(recorder->messages.size(), 1);
    EXPECT_TRUE(recorder->messages[0].contains("line 33")) << recorder->messages[0].toStdString();
}

class ScriptedQuestion : public SaveQuestion
{
public:
    explicit ScriptedQuestion(Answer answer)
        : m_answer(answer)
    { }
    Answer ask(const QString&) override
    {
        ++asked;
        return m_answer;
    }
    int asked = 0;

private:
    Answer m_answer;
};

TEST_F(EditHistoryTest, ClosingAsksToSaveOnlyATableChangedSinceOpenedOrSaved)
{
    using Answer = SaveQuestion::Answer;
    const struct
    {
        const char* name;
        bool changed;
        Answer answer;
        std::optional<QString> savedAs; // the save dialog's answer; nothing for a cancel
        bool closes;
        int asked;
    } cases[] = {
        {"unchanged", false, Answer::Cancel, std::nullopt, true, 0},
        {"cancel", true, Answer::Cancel, std::nullopt, false, 1},
        {"discard", true, Answer::Discard, std::nullopt, true, 1},
        {"save cancelled", true, Answer::Save, std::nullopt, false, 1},
        {"save", true, Answer::Save, pathOf("kept.csv"), true, 1},
    };
    for (const auto& c : cases) {
        restart();
        auto question = std::make_unique<ScriptedQuestion>(c.answer);
        ScriptedQuestion* asked = question.get();
        window->setSaveQuestion(std::move(question));
        if (c.changed) {
            setWave({42});
            click("cmdGenMem");
        }
        if (c.answer == Answer::Save)
            c.savedAs ? dialog->answer(*c.savedAs) : dialog->cancel();
        EXPECT_EQ(window->close(), c.closes) << c.name;
        EXPECT_EQ(asked->asked, c.asked) << c.name;
    }
    EXPECT_TRUE(fileBytes(pathOf("kept.csv")).startsWith(" 1, .042,")) << "saved before closing";
}

} // namespace
