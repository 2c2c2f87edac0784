#include "app/editor/tool_window_placement.h"

#include <QRect>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace ondulix {

namespace {

constexpr int kViewGap = 8;

} // namespace

QPoint besideWindow(const QWidget& window, QSize size, const QWidget* above)
{
    const QRect frame = window.frameGeometry();
    QPoint at = frame.topRight() + QPoint(kViewGap, 0);
    if (above != nullptr && above->isVisible())
        at = above->frameGeometry().bottomLeft() + QPoint(0, 1 + kViewGap);
    const QScreen* screen = window.screen();
    if (screen == nullptr)
        return at;
    const QRect room = screen->availableGeometry();
    // Never above the screen's top, where a main window taller than a small (or scaled) screen
    // may begin, nor below its bottom.
    at.setY(std::max(room.top(), std::min(at.y(), room.bottom() - size.height())));
    if (at.x() + size.width() <= room.right())
        return at;
    // Left of the window where the screen ends first, or against the screen's edge when the
    // tool window above is wider than the gap.
    if (above == nullptr || !above->isVisible())
        return {std::max(room.left(), frame.left() - kViewGap - size.width()), at.y()};
    return {std::max(room.left(), room.right() - size.width()), at.y()};
}

} // namespace ondulix
