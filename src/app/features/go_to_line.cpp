#include "app/features/go_to_line.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/features/go_to_line_dialog.h"
#include "pattern/pattern_table.h"
#include "platform/user_messages.h"

#include <QAction>

namespace ondulix {

GoToLine::GoToLine(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("goToLine"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Go to line..."),
        {QKeySequence(Qt::CTRL | Qt::Key_G)}, [this] {
            if (!m_dialog)
                m_dialog = new GoToLineDialog(
                    m_window, [this](const QString& text) { return go(text); });
            m_dialog->openAt(m_editor.line());
        });
    action->setObjectName(QStringLiteral("actGoToLine"));
    context.menu.add(MenuSection::Navigation, {action});
}

GoToLine::~GoToLine()
{
    delete m_dialog;
}

bool GoToLine::go(const QString& text)
{
    bool number = false;
    const int line = text.trimmed().toInt(&number);
    if (!number || line < 1 || line > kPatternLineCount) {
        m_messages.tell(QStringLiteral("There is no line \"%1\": give a number from 1 to %2.")
                            .arg(text)
                            .arg(kPatternLineCount));
        return false;
    }
    m_editor.pageToLine(line);
    return true;
}

} // namespace ondulix
