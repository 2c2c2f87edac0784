#include "files/recovery_file.h"
#include "pattern/line_waves.h"
#include "widget/window_fixture.h"

#include <QDir>

using namespace ondulix;
using namespace ondulix::testing;

namespace {

class Recovery : public WindowTest
{
protected:
    QStringList kept() const
    {
        return QDir(pathOf("state")).entryList({QStringLiteral("*.recovery")}, QDir::Files);
    }
    // Work a program that is gone left: line 3 holds 300s, the sliders 7s on line 3.
    void leaveWork(const QString& name, const std::string& text = {}) const
    {
        KeptWork work;
        storeWave(Wave {300, 300}, 3, work.table);
        work.line = 3;
        work.sliders.fill(7);
        work.written = "2026-12-01 10:00:00";
        QDir().mkpath(pathOf("state"));
        writeFile(pathOf("state/" + name),
            QByteArray::fromStdString(text.empty() ? keptWorkText(work) : text));
    }
    const Editor& editor() const { return window->features().editor; }
};

// While work is in no file, the program keeps it within a second or so, even while edits go on,
// where another program running does not offer it, and once it is saved the file goes.
TEST_F(Recovery, WorkInNoFileIsKeptUntilItIsSaved)
{
    // Edits that go on do not put the keeping off: it comes a second or so after the first.
    for (int level = 1; level <= 8; ++level) {
        slider(4)->setLevel(level == 8 ? 123 : level);
        QTest::qWait(200);
    }
    ASSERT_TRUE(QTest::qWaitFor([this] { return kept().size() == 1; }, 300));
    const auto keptSample = [this] {
        const auto read = readKeptWork(fileBytes(pathOf("state/" + kept()[0])).toStdString());
        return refusalIn(read) ? -1 : std::get<KeptWork>(read).sliders[4];
    };
    EXPECT_TRUE(QTest::qWaitFor([&] { return keptSample() == 123; }, 3000)) << keptSample();
    // A second program in the same folder leaves the work of the first, which runs, alone.
    WindowServices second;
    auto* asked = new ScriptedRecovery;
    second.recoveryQuestion.reset(asked);
    second.messages = std::make_unique<MessageRecorder>();
    second.stateFolder = pathOf("state");
    frmOndulix other(std::move(second));
    other.show();
    QTest::qWait(100);
    EXPECT_TRUE(asked->asked.isEmpty());
    dialog->answer(pathOf("saved.csv"));
    click("cmdGenMem");
    click("cmdSave");
    EXPECT_TRUE(QTest::qWaitFor([this] { return kept().isEmpty(); }, 5000));
}

// Work left by a program that is gone is offered before the start file opens. Later keeps it,
// Discard takes it away, Recover puts back the table, the line and the sliders in one step that
// leaves the table changed. A file that cannot be read is moved aside, and the user told.
TEST_F(Recovery, LeftWorkIsOfferedFirstAndRecoveredWhole)
{
    writeFile(pathOf("start.csv"), " 1, .1\r\n");
    using Answer = RecoveryQuestion::Answer;
    for (const auto answer : {Answer::Later, Answer::Discard, Answer::Recover}) {
        leaveWork("left.recovery");
        window.reset();
        recoveryAnswer = answer;
        openWindow(pathOf("start.csv"));
        QTRY_COMPARE(recovery->asked.size(), 1);
        EXPECT_EQ(recovery->asked[0],
            "Ondulix ended before this work was saved (written 2026-12-01 10:00:00). Recover it?");
        QTRY_COMPARE(lineWave(editor().table(), 1)[0], 100); // the start file, after the answer
        EXPECT_EQ(QFile::exists(pathOf("state/left.recovery")), answer == Answer::Later);
    }
    EXPECT_EQ(lineWave(editor().table(), 3)[0], 300);
    EXPECT_EQ(labelText("lblLine"), "1") << "the start file shows its line 1";
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(editor().line(), 3);
    EXPECT_EQ(slider(0)->level(), 7);
    EXPECT_FALSE(window->close()) << "recovered work is in no file";

    leaveWork("bad.recovery", "Ondulix recovery 2\r\n");
    window.reset();
    openWindow();
    QTRY_COMPARE(messages->messages.size(), 1);
    EXPECT_TRUE(messages->messages[0].contains("bad.recovery\" could not be read (line 1: "));
    EXPECT_TRUE(recovery->asked.isEmpty());
    EXPECT_TRUE(QFile::exists(pathOf("state/bad.recovery.unreadable")));
}

} // namespace
