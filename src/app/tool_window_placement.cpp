#include "app/tool_window_placement.h"

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
    if (screen == nullptr || at.x() + size.width() <= screen->availableGeometry().right())
        return at;
    // Left of the window where the screen ends first, or against the screen's edge when the
    // tool window above is wider than the gap.
    if (above == nullptr || !above->isVisible())
        return {std::max(0, frame.left() - kViewGap - size.width()), at.y()};
    return {std::max(0, screen->availableGeometry().right() - size.width()), at.y()};
}

} // namespace ondulix
