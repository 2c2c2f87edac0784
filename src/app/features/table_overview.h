#pragma once

#include "pattern/line_operations.h"
#include "platform/table_overview_view.h"

#include <QObject>
#include <QPointer>
#include <cstdint>

class QMenu;

namespace ondulix {

class Editor;
class MessageSink;
class ToolWindows;
struct FeatureContext;

// Ctrl+T: the whole pattern table at once, as a waterfall in a tool window beside the main one
// (below the harmonics window when that is shown). It follows every change, pages through the
// line selector as VScroll1's arrows do, and has a menu of its own for one line: copy, paste
// over, move up or down, clear. Each of those is one undo step in Generate to Memory's form.
class TableOverview : public QObject
{
    Q_OBJECT

public:
    explicit TableOverview(const FeatureContext& context);
    ~TableOverview() override;

private:
    void toggle();
    void follow();
    void readTable();
    void showMenu(const QPoint& where, int line);

    void copyLine(int line);
    void pasteOverLine(int line);
    void moveLineUp(int line);
    void moveLineDown(int line);
    void moveLine(int line, LineMove move);
    void clearLine(int line);

    QWidget& m_window;
    Editor& m_editor;
    ToolWindows& m_toolWindows;
    MessageSink& m_messages;
    QPointer<TableOverviewView> m_view;
    QMenu* m_menu = nullptr;
    OverviewLines m_read; // the table's lines as of m_readStamp
    std::uint64_t m_readStamp = ~std::uint64_t {0};
    int m_playing = 0;
};

} // namespace ondulix
