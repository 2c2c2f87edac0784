#include "app/editor/tool_windows.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace ondulix {

namespace {

constexpr int kGap = 8;

bool coversNothing(const QRect& place, const QRect& main, const QList<QRect>& shown)
{
    return !place.intersects(main) && std::none_of(shown.begin(), shown.end(), [&](const QRect& r) {
        return place.intersects(r);
    });
}

bool fits(const QRect& place, const QRect& main, const QList<QRect>& shown, const QRect& screen)
{
    return screen.contains(place) && coversNothing(place, main, shown);
}

} // namespace

QPoint toolWindowPlace(
    const QRect& main, QSize size, const QList<QRect>& shown, const QRect& screen)
{
    // Columns beside the main window first, then beside the tool windows already shown; in each,
    // level with the main window's top, then below each shown tool window.
    QList<int> columns {main.right() + 1 + kGap, main.left() - kGap - size.width()};
    QList<int> rows {main.top()};
    for (const QRect& tool : shown) {
        columns << tool.right() + 1 + kGap << tool.left() - kGap - size.width();
        rows << tool.bottom() + 1 + kGap;
    }
    std::sort(rows.begin() + 1, rows.end());
    for (const int x : columns) {
        for (const int y : rows) {
            if (fits(QRect(QPoint(x, y), size), main, shown, screen))
                return {x, y};
        }
    }
    const int right = columns.front();
    const int x = right + size.width() - 1 <= screen.right() ? right : columns[1];
    return {
        std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - size.width())),
        std::clamp(
            main.top(), screen.top(), std::max(screen.top(), screen.bottom() + 1 - size.height()))};
}

ToolWindows::ToolWindows(QWidget& window)
    : m_window(window)
{ }

void ToolWindows::show(QWidget& tool)
{
    const bool known = m_tools.contains(&tool);
    if (!known)
        m_tools << &tool;
    const QScreen* screen = m_window.screen();
    const QRect room = screen ? screen->availableGeometry() : QRect();
    const QRect main = m_window.frameGeometry();
    const QList<QRect> shown = shownFrames(tool);
    // A window not shown yet has no frame: it takes the main window's.
    const QSize frame = tool.frameGeometry().size() == tool.size()
        ? tool.size() + (main.size() - m_window.size())
        : tool.frameGeometry().size();
    const QRect before(tool.pos(), frame);
    if (!known || !fits(before, main, shown, room.isValid() ? room : before))
        tool.move(room.isValid() ? toolWindowPlace(main, frame, shown, room)
                                 : main.topRight() + QPoint(1 + kGap, 0));
    tool.show();
    tool.raise();
    tool.activateWindow();
}

void ToolWindows::shareWindowKeys(QWidget& tool) const
{
    tool.addActions(m_window.actions());
}

bool ToolWindows::receivesWindowKeys(const QObject& receiver) const
{
    const auto ours = [this](const QWidget* window) {
        return window == &m_window
            || std::any_of(
                m_tools.begin(), m_tools.end(), [window](auto& tool) { return tool == window; });
    };
    if (const auto* widget = qobject_cast<const QWidget*>(&receiver))
        return ours(widget->window());
    const auto* screenWindow = qobject_cast<const QWindow*>(&receiver);
    if (screenWindow == nullptr)
        return false;
    return m_window.windowHandle() == screenWindow
        || std::any_of(
            m_tools.begin(), m_tools.end(), [screenWindow](const QPointer<QWidget>& tool) {
                return tool && tool->windowHandle() == screenWindow;
            });
}

QList<QRect> ToolWindows::shownFrames(const QWidget& except) const
{
    QList<QRect> frames;
    for (const QPointer<QWidget>& tool : m_tools) {
        if (tool && tool != &except && tool->isVisible())
            frames << tool->frameGeometry();
    }
    return frames;
}

} // namespace ondulix
