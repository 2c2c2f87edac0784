#pragma once

#include "app/frmondulix.h"
#include "platform/common_dialog.h"
#include "platform/graph_box.h"
#include "platform/preset_button.h"
#include "platform/upward_scroll_bar.h"
#include "platform/user_messages.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace ondulix::testing {

// The file dialog as a test answers it: each show takes the next answer, a cancel when none
// is left. What the user would have seen stays in its settings().
class ScriptedDialog : public CommonDialog
{
public:
    void answer(const QString& path) { m_answers << path; }

protected:
    std::optional<QString> pick(Mode, const DialogSettings&, QWidget*) override
    {
        return m_answers.isEmpty() ? std::nullopt : std::optional(m_answers.takeFirst());
    }

private:
    QStringList m_answers;
};

class MessageRecorder : public MessageSink
{
public:
    void tell(const QString& text) override { messages << text; }
    QStringList messages;
};

// A fresh, shown and active program window for each test, started in a temporary folder of
// its own, reached by its controls' names; its file dialog answers from a script.
class WindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        window = std::make_unique<frmOndulix>();
        window->load();
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        window->setFileDialog(std::unique_ptr<CommonDialog>(dialog = new ScriptedDialog));
        window->setMessageSink(std::unique_ptr<MessageSink>(messages = new MessageRecorder));
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
    QString labelText(const QString& name) const { return control<QLabel>(name)->text(); }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }
    QString pathOf(const QString& name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    std::unique_ptr<frmOndulix> window;
    ScriptedDialog* dialog = nullptr;
    MessageRecorder* messages = nullptr;
};

} // namespace ondulix::testing
