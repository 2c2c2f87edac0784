#pragma once

#include <QList>
#include <QObject>
#include <array>
#include <memory>

class QAction;
class QMenu;

namespace ondulix {

class GraphBox;

// The sections of the graph's menu, in the order the menu lists them, whatever order the
// features ask for them in. A separator stands before each section that has entries, except
// where a section goes on from the one before it.
enum class MenuSection
{
    History, // undo, redo
    Clipboard, // copy, paste
    TrackerWaves, // the trackers' forms: copy, save, paste; goes on from Clipboard
    Transforms,
    Files, // Open CSV, Save CSV
    Export,
    Import,
    Sound, // the preview and the sweep
    Harmonics, // goes on from Sound: both are about how the wave sounds
    Notes, // the wave played from the keys and a MIDI keyboard
    Table, // the table overview
    Morph, // goes on from Table
    Shape, // the chip depth
    Formula,
    Navigation, // going to a line, finding an action
};

// The graph's context menu: it opens on the graph's request (a right press, the Menu key,
// Shift+F10) and lists each feature's operations with their keys, in named sections.
class GraphMenu : public QObject
{
    Q_OBJECT

public:
    explicit GraphMenu(GraphBox& graph);
    ~GraphMenu() override;

    // At the end of `section`.
    void add(MenuSection section, const QList<QAction*>& actions);

    QMenu& menu() { return *m_menu; }
    // Every entry, in the menu's order; a submenu is one entry.
    QList<QAction*> entries() const;

private:
    static constexpr std::size_t kSectionCount
        = static_cast<std::size_t>(MenuSection::Navigation) + 1;

    void rebuild();

    std::unique_ptr<QMenu> m_menu;
    std::array<QList<QAction*>, kSectionCount> m_sections;
};

} // namespace ondulix
