#include "app/features/line_morphing.h"

#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/features/morph_dialog.h"
#include "pattern/line_morph.h"
#include "platform/user_messages.h"

#include <QAction>

namespace ondulix {

LineMorphing::LineMorphing(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_editor(context.editor)
    , m_messages(context.messages)
{
    setObjectName(QStringLiteral("lineMorphing"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Morph lines..."),
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M)}, [this] { ask(); });
    action->setObjectName(QStringLiteral("actMorphLines"));
    context.menu.add(MenuSection::Morph, {action});
}

LineMorphing::~LineMorphing()
{
    delete m_dialog;
}

// Window-modal and not exec(): the event loop goes on, and the answer comes back as a signal.
void LineMorphing::ask()
{
    if (!m_dialog) {
        m_dialog = new MorphDialog(&m_window, [this] { return morph(); });
        m_dialog->setWindowModality(Qt::WindowModal);
    }
    const EditedLine current = m_editor.editedLine();
    m_dialog->setChoice(current.line, defaultMorphTo(m_editor.table(), current, current.line),
        MorphKind::Crossfade);
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
}

bool LineMorphing::morph()
{
    const MorphPlan plan = planMorph(m_editor.table(), m_editor.editedLine(), m_dialog->fromLine(),
        m_dialog->toLine(), m_dialog->kind());
    if (!plan.refusal.empty()) {
        m_messages.tell(
            QStringLiteral("Nothing was morphed. %1").arg(QString::fromStdString(plan.refusal)));
        return false;
    }
    m_editor.writeLines(plan.writes);
    return true;
}

} // namespace ondulix
