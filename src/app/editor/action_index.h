#pragma once

#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace ondulix {

class GraphMenu;

// One action of the program as F1's list shows it.
struct ListedAction
{
    QString name; // as the menu shows it; a submenu's entry after its title: "Pitch: 440 Hz"
    QString keys;
    QAction* action = nullptr;
};

// Every action that the features and the window registered, each once: the graph's menu in its
// order, with the entries of its submenus, then the window-wide actions that no menu lists, the
// laid-out buttons among them. Read afresh at each call, so a new feature is in it at once.
QList<ListedAction> listedActions(const QWidget& window, const GraphMenu& menu);

// Whether every word typed begins a word of the name, whatever the case: "mo li" finds
// "Morph lines...".
bool nameMatches(const QString& name, const QString& typed);

} // namespace ondulix
