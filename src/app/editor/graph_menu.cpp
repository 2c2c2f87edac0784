#include "app/editor/graph_menu.h"

#include "platform/graph_box.h"

#include <QMenu>

namespace ondulix {

GraphMenu::GraphMenu(GraphBox& graph)
    : QObject(&graph)
    , m_menu(std::make_unique<QMenu>())
{
    setObjectName(QStringLiteral("graphMenu"));
    connect(&graph, &GraphBox::menuRequested, this,
        [this](const QPoint& where) { m_menu->popup(where); });
}

GraphMenu::~GraphMenu() = default;

void GraphMenu::addSection(const QList<QAction*>& actions)
{
    if (!m_menu->isEmpty())
        m_menu->addSeparator();
    append(actions);
}

void GraphMenu::append(const QList<QAction*>& actions)
{
    m_menu->addActions(actions);
}

} // namespace ondulix
