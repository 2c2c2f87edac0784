#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>
#include <functional>

class QAction;
class QObject;
class QWidget;

namespace ondulix {

// An action of the window itself, so that its keys work wherever the focus is in the window;
// one that lived only in a menu would fire only while the menu is open. It belongs to `owner`
// and leaves the window with it. `run` runs on every trigger, by key or by menu.
QAction* addWindowAction(QWidget& window, QObject& owner, const QString& text,
    const QList<QKeySequence>& keys, std::function<void()> run);

} // namespace ondulix
