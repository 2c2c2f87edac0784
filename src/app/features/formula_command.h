#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace ondulix {

class Editor;
class FormulaDialog;
class MessageSink;
struct FeatureContext;

// Ctrl+Shift+F: a wave, or lines of the table, written as a formula of the sample and the line.
// Applied, it is one undo step; refused, the message says what and where, and nothing changes.
class FormulaCommand : public QObject
{
    Q_OBJECT

public:
    explicit FormulaCommand(const FeatureContext& context);

private:
    void openDialog();
    bool apply();

    QWidget& m_window;
    Editor& m_editor;
    MessageSink& m_messages;
    QPointer<FormulaDialog> m_dialog;
};

} // namespace ondulix
