#include "app/editor/window_action.h"

#include <QAbstractButton>
#include <QAction>
#include <QEvent>
#include <QWidget>

namespace ondulix {

namespace {

class ButtonAction : public QAction
{
public:
    explicit ButtonAction(QAbstractButton& button)
        : QAction(button.text(), &button)
        , m_button(button)
    {
        setEnabled(button.isEnabled());
        button.installEventFilter(this);
        connect(this, &QAction::triggered, &button, &QAbstractButton::click);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::EnabledChange)
            setEnabled(m_button.isEnabled());
        return false;
    }

private:
    QAbstractButton& m_button;
};

} // namespace

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

QAction* addButtonAction(QWidget& window, QAbstractButton& button)
{
    auto* action = new ButtonAction(button);
    window.addAction(action);
    return action;
}

} // namespace ondulix
