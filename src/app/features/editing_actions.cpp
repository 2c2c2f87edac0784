#include "app/features/editing_actions.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "pattern/clipboard_text.h"
#include "platform/clipboard.h"
#include "wave/wave_transforms.h"

#include <QAction>

namespace ondulix {

namespace {

QKeySequence ctrl(Qt::Key key)
{
    return QKeySequence(Qt::CTRL | key);
}

} // namespace

EditingActions::EditingActions(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
{
    setObjectName(QStringLiteral("editingActions"));
    GraphMenu& menu = context.menu;
    menu.add(MenuSection::History,
        {addWindowAction(m_window, *this, QStringLiteral("Undo"), {QKeySequence::Undo},
             [this] { m_editor.undo(); }),
            // Qt's Redo on Linux is Ctrl+Shift+Z alone; Ctrl+Y is what users of other systems
            // press.
            addWindowAction(m_window, *this, QStringLiteral("Redo"),
                {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), ctrl(Qt::Key_Y)},
                [this] { m_editor.redo(); })});
    menu.add(MenuSection::Clipboard,
        {addWindowAction(m_window, *this, QStringLiteral("Copy"), {QKeySequence::Copy},
             [this] { replaceClipboardText(clipboardText(m_editor.samples())); }),
            addWindowAction(m_window, *this, QStringLiteral("Paste"), {QKeySequence::Paste},
                [this] { m_editor.writePasted(readPastedWave(currentClipboardText())); })});
    const auto transform = [this](const char* text, Qt::Key key, Wave (*function)(const Wave&)) {
        return addWindowAction(m_window, *this, QString::fromLatin1(text), {ctrl(key)},
            [this, function] { applyTransform(function); });
    };
    menu.add(MenuSection::Transforms,
        {transform("Invert", Qt::Key_I, inverted), transform("Reverse", Qt::Key_R, reversed),
            transform("Rotate one sample later", Qt::Key_Right, rotatedLater),
            transform("Rotate one sample earlier", Qt::Key_Left, rotatedEarlier),
            transform("Smooth", Qt::Key_M, smoothed)});
}

void EditingActions::applyTransform(Wave (*transform)(const Wave&))
{
    m_editor.writeWave(transform(m_editor.wave()));
}

} // namespace ondulix
