#pragma once

#include <QObject>
#include <QPointer>

namespace ondulix {

class Editor;
class MessageSink;
class MorphDialog;
struct FeatureContext;

// Ctrl+Shift+M, "Morph lines": fills the lines between two key lines, by crossfade or spectral.
// The dialog opens on the current line and the next line after it that holds a sound. The whole
// morph is one undo step; where there is no line between the two, a message says so, nothing
// changes and the dialog stays open to mend the lines. From after To morphs downward.
class LineMorphing : public QObject
{
    Q_OBJECT

public:
    explicit LineMorphing(const FeatureContext& context);
    ~LineMorphing() override;

private:
    void ask();
    bool morph();

    QWidget& m_window;
    Editor& m_editor;
    MessageSink& m_messages;
    QPointer<MorphDialog> m_dialog;
};

} // namespace ondulix
