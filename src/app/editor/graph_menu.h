#pragma once

#include <QList>
#include <QObject>
#include <memory>

class QAction;
class QMenu;

namespace ondulix {

class GraphBox;

// The graph's context menu: it opens on the graph's request (a right press, the Menu key,
// Shift+F10) and lists each feature's operations with their keys, one section a feature.
class GraphMenu : public QObject
{
    Q_OBJECT

public:
    explicit GraphMenu(GraphBox& graph);
    ~GraphMenu() override;

    // After a separator from what is there already.
    void addSection(const QList<QAction*>& actions);
    // To the last section.
    void append(const QList<QAction*>& actions);

    QMenu& menu() { return *m_menu; }

private:
    std::unique_ptr<QMenu> m_menu;
};

} // namespace ondulix
