#include "app/editor/graph_menu.h"

#include "platform/graph_box.h"

#include <QMenu>

namespace ondulix {

namespace {

bool goesOnFromSectionBefore(std::size_t section)
{
    switch (static_cast<MenuSection>(section)) {
    case MenuSection::TrackerWaves:
    case MenuSection::Harmonics:
    case MenuSection::Morph:
        return true;
    default:
        return false;
    }
}

} // namespace

GraphMenu::GraphMenu(GraphBox& graph)
    : QObject(&graph)
    , m_menu(std::make_unique<QMenu>())
{
    setObjectName(QStringLiteral("graphMenu"));
    connect(&graph, &GraphBox::menuRequested, this,
        [this](const QPoint& where) { m_menu->popup(where); });
}

GraphMenu::~GraphMenu() = default;

void GraphMenu::add(MenuSection section, const QList<QAction*>& actions)
{
    m_sections[static_cast<std::size_t>(section)] += actions;
    rebuild();
}

QList<QAction*> GraphMenu::entries() const
{
    QList<QAction*> all;
    for (const QList<QAction*>& section : m_sections)
        all += section;
    return all;
}

// The entries belong to the features; clearing takes only the separators with it.
void GraphMenu::rebuild()
{
    m_menu->clear();
    std::size_t shown = kSectionCount; // the last section listed
    for (std::size_t section = 0; section < kSectionCount; ++section) {
        if (m_sections[section].isEmpty())
            continue;
        if (shown != kSectionCount && !(goesOnFromSectionBefore(section) && shown + 1 == section))
            m_menu->addSeparator();
        m_menu->addActions(m_sections[section]);
        shown = section;
    }
}

} // namespace ondulix
