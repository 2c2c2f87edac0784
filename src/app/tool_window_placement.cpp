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
    if (above != nullptr && above->isVisible()) {
        const QRect frame = above->frameGeometry();
        return {frame.left(), frame.bottom() + 1 + kViewGap};
    }
    const QRect frame = window.frameGeometry();
    QPoint at = frame.topRight() + QPoint(kViewGap, 0);
    if (const QScreen* screen = window.screen();
        screen && at.x() + size.width() > screen->availableGeometry().right())
        at.setX(std::max(0, frame.left() - kViewGap - size.width()));
    return at;
}

} // namespace ondulix
