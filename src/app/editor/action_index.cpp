#include "app/editor/action_index.h"

#include "app/editor/graph_menu.h"

#include <QAction>
#include <QMenu>
#include <QRegularExpression>
#include <QWidget>

namespace ondulix {

namespace {

// "Chip &depth" is shown as "Chip depth"; "&&" is a plain "&".
QString shownText(const QAction& action)
{
    QString text = action.text();
    for (qsizetype at = text.indexOf('&'); at >= 0; at = text.indexOf('&', at + 1))
        text.remove(at, 1);
    return text;
}

QString keysOf(const QAction& action)
{
    QStringList keys;
    for (const QKeySequence& key : action.shortcuts())
        keys << key.toString(QKeySequence::NativeText);
    return keys.join(QStringLiteral(", "));
}

void listEntry(QList<ListedAction>& list, QAction* action, const QString& within)
{
    if (action->isSeparator())
        return;
    const QString name = within.isEmpty()
        ? shownText(*action)
        : QStringLiteral("%1: %2").arg(within, shownText(*action));
    if (QMenu* submenu = action->menu()) {
        for (QAction* entry : submenu->actions())
            listEntry(list, entry, name);
        return;
    }
    list << ListedAction {name, keysOf(*action), action};
}

QStringList wordsOf(const QString& text)
{
    static const QRegularExpression between(QStringLiteral("[^\\w]+"));
    return text.split(between, Qt::SkipEmptyParts);
}

} // namespace

QList<ListedAction> listedActions(const QWidget& window, const GraphMenu& menu)
{
    QList<ListedAction> list;
    for (QAction* entry : menu.entries())
        listEntry(list, entry, {});
    for (QAction* action : window.actions()) {
        const bool listed = std::any_of(list.begin(), list.end(),
            [action](const ListedAction& entry) { return entry.action == action; });
        if (!listed)
            listEntry(list, action, {});
    }
    return list;
}

bool nameMatches(const QString& name, const QString& typed)
{
    const QStringList words = wordsOf(name);
    for (const QString& wanted : wordsOf(typed)) {
        const bool found = std::any_of(words.begin(), words.end(), [&wanted](const QString& word) {
            return word.startsWith(wanted, Qt::CaseInsensitive);
        });
        if (!found)
            return false;
    }
    return true;
}

} // namespace ondulix
