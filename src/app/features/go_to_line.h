#pragma once

#include <QObject>
#include <QPointer>

namespace ondulix {

class Editor;
class GoToLineDialog;
class MessageSink;
struct FeatureContext;

// Ctrl+G, "Go to line": one paging to the line asked for, through the line selector as its
// arrows page, so that undo brings back the edits the paging replaced. A number outside 1..32,
// or text, is refused with a message and the dialog stays open.
class GoToLine : public QObject
{
    Q_OBJECT

public:
    explicit GoToLine(const FeatureContext& context);
    ~GoToLine() override;

private:
    bool go(const QString& text);

    QWidget& m_window;
    Editor& m_editor;
    MessageSink& m_messages;
    QPointer<GoToLineDialog> m_dialog;
};

} // namespace ondulix
