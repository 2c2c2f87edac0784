#pragma once

#include "widget/window_fixture.h"

#include "platform/common_dialog.h"
#include "platform/user_messages.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <deque>
#include <vector>

namespace ondulix::testing {

// The file dialog as a test answers it: each show takes the next answer from the script
// (a path, or nothing for a cancel) and records what the user would have seen.
class ScriptedDialog : public CommonDialog
{
public:
    struct Shown
    {
        Mode mode;
        DialogSettings settings;
        bool windowVisible;
        bool drawingArmed;
    };

    void answer(const QString& path) { m_answers.push_back(path); }
    void cancel() { m_answers.push_back(QString()); } // a null text stands for a cancel

    std::vector<Shown> shown;

protected:
    std::optional<QString> pick(Mode mode, const DialogSettings& settings, QWidget* parent) override
    {
        const auto* drawing = parent->findChild<QCheckBox*>(QStringLiteral("chkDraw"));
        shown.push_back({mode, settings, parent->isVisible(), drawing->isChecked()});
        if (m_answers.empty()) {
            ADD_FAILURE() << "a file dialog opened that the test did not expect";
            return std::nullopt;
        }
        const QString next = m_answers.front();
        m_answers.pop_front();
        if (next.isNull())
            return std::nullopt;
        return next;
    }

private:
    std::deque<QString> m_answers;
};

class MessageRecorder : public MessageSink
{
public:
    void tell(const QString& text) override { messages << text; }
    QStringList messages;
};

// The program window started in a fresh temporary folder, which is the current directory at
// load and so holds its settings file; its file dialog answers from a script.
class FileWindowTest : public WindowTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        WindowTest::SetUp();
        scriptTheWindow();
    }
    void TearDown() override { QDir::setCurrent(m_previousDirectory); }

    // Closes the window and starts the program again from the current directory.
    void restart()
    {
        WindowTest::SetUp();
        scriptTheWindow();
    }

    void click(const char* button) const
    {
        QTest::mouseClick(control<QPushButton>(QString::fromLatin1(button)), Qt::LeftButton);
    }
    bool drawingArmed() const { return control<QCheckBox>(QStringLiteral("chkDraw"))->isChecked(); }
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    ScriptedDialog* dialog = nullptr;
    MessageRecorder* recorder = nullptr;

private:
    const QString m_previousDirectory = QDir::currentPath();

    void scriptTheWindow()
    {
        auto scripted = std::make_unique<ScriptedDialog>();
        auto messages = std::make_unique<MessageRecorder>();
        dialog = scripted.get();
        recorder = messages.get();
        window->setFileDialog(std::move(scripted));
        window->setMessageSink(std::move(messages));
    }
};

inline QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

inline void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
}

} // namespace ondulix::testing
