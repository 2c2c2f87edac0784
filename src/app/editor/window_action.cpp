#include "app/editor/window_action.h"

#include <QAction>
#include <QWidget>

namespace ondulix {

QAction* addWindowAction(QWidget& window, QObject& owner, const QString& text,
    const QList<QKeySequence>& keys, std::function<void()> run)
{
    auto* action = new QAction(text, &owner);
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(action, &QAction::triggered, &owner, std::move(run));
    window.addAction(action);
    return action;
}

} // namespace ondulix
