#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAbstractButton;
class QAction;
class QObject;
class QWidget;

namespace ondulix {

// An action of the window itself, so that its keys work wherever the focus is in the window;
// one that lived only in a menu would fire only while the menu is open. It belongs to `owner`
// and leaves the window with it. `run` runs on every trigger, by key or by menu.
QAction* addWindowAction(QWidget& window, QObject& owner, const QString& text,
    const QList<QKeySequence>& keys, std::function<void()> run);

// A laid-out button as an action of the window, named by its caption: each trigger runs exactly
// what a click runs, and the action is enabled while the button is. It has no key of its own,
// so the window's events stay as they are; it is there for the list of actions (F1).
QAction* addButtonAction(QWidget& window, QAbstractButton& button);

} // namespace ondulix
