#include "app/features/action_finder.h"

#include "app/editor/feature_context.h"
#include "app/editor/graph_menu.h"
#include "app/editor/window_action.h"
#include "app/features/actions_dialog.h"

#include <QAction>

namespace ondulix {

ActionFinder::ActionFinder(const FeatureContext& context)
    : QObject(&context.window)
    , m_window(context.window)
    , m_menu(context.menu)
{
    setObjectName(QStringLiteral("actionFinder"));
    QAction* action = addWindowAction(m_window, *this, QStringLiteral("Actions..."),
        {QKeySequence(Qt::Key_F1)}, [this] { open(); });
    action->setObjectName(QStringLiteral("actActions"));
    context.menu.add(MenuSection::Navigation, {action});
}

ActionFinder::~ActionFinder()
{
    delete m_dialog;
}

void ActionFinder::open()
{
    if (!m_dialog)
        m_dialog = new ActionsDialog(m_window);
    m_dialog->openOn(listedActions(m_window, m_menu));
}

} // namespace ondulix
