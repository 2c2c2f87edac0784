#pragma once

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/window/frmondulix.h"
#include "platform/file_chooser.h"
#include "platform/graph_box.h"
#include "platform/preset_button.h"
#include "platform/save_question.h"
#include "platform/upward_scroll_bar.h"
#include "platform/user_messages.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ondulix::testing {

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// Every file question of the window, CD1's and the features' alike, as a test answers it: each
// takes the next answer, a cancel when none is left (or for a null one). What the user would
// have seen stays in `asked`.
class ScriptedChooser : public FileChooser
{
public:
    void answer(const QString& path) { m_answers << path; }
    std::optional<QString> choose(const FileQuestion& question, QWidget*) override
    {
        asked.push_back(question);
        const QString path = m_answers.isEmpty() ? QString() : m_answers.takeFirst();
        return path.isNull() ? std::nullopt : std::optional(path);
    }
    std::vector<FileQuestion> asked;

private:
    QStringList m_answers;
};

class MessageRecorder : public MessageSink
{
public:
    void tell(const QString& text) override { messages << text; }
    QStringList messages;
};

// The close question as a test answers it. Cancel, the answer until a test sets another, keeps
// the window open, so a window that closes on Cancel was not asked.
struct ScriptedQuestion : SaveQuestion
{
    Answer answer = Answer::Cancel;
    Answer ask(const QString&) override { return answer; }
};

// The recovery question as a test answers it: Later, until a test sets another.
struct ScriptedRecovery : RecoveryQuestion
{
    Answer answer = Answer::Later;
    QStringList asked;
    Answer ask(const QString& text) override
    {
        asked << text;
        return answer;
    }
};

// A fresh, shown and active program window for each test, started in a temporary folder of
// its own, which holds its state folder too, reached by its controls' names; it asks the user
// through scripts.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override { openWindow(); }

    void openWindow(std::optional<QString> startFile = std::nullopt)
    {
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        WindowServices services;
        services.files.reset(dialog = new ScriptedChooser);
        services.messages.reset(messages = new MessageRecorder);
        services.saveQuestion.reset(question = new ScriptedQuestion);
        services.recoveryQuestion.reset(recovery = new ScriptedRecovery);
        recovery->answer = recoveryAnswer; // asked as the window first shows
        services.startFile = std::move(startFile);
        services.stateFolder = pathOf("state");
        window = std::make_unique<frmOndulix>(std::move(services));
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    template <typename Control = QWidget> Control* control(const QString& name) const
    {
        auto* found = window->findChild<Control*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }

    UpwardScrollBar* slider(int index) const
    {
        return control<UpwardScrollBar>(QStringLiteral("vSlide(%1)").arg(index));
    }
    PresetButton* preset(int index) const
    {
        return control<PresetButton>(QStringLiteral("optWave(%1)").arg(index));
    }
    GraphBox* graph() const { return control<GraphBox>(QStringLiteral("pWave")); }
    QCheckBox* drawFlag() const { return control<QCheckBox>(QStringLiteral("chkDraw")); }
    QMenu& graphMenu() const { return window->findChild<GraphMenu*>()->menu(); }
    QString labelText(const QString& name) const { return control<QLabel>(name)->text(); }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    std::unique_ptr<frmOndulix> window;
    ScriptedChooser* dialog = nullptr;
    MessageRecorder* messages = nullptr;
    ScriptedQuestion* question = nullptr;
    ScriptedRecovery* recovery = nullptr;
    RecoveryQuestion::Answer recoveryAnswer = RecoveryQuestion::Answer::Later;
};

} // namespace ondulix::testing
