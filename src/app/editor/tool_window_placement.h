#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace ondulix {

// Where a tool window opens: right of the main window (left of it where the screen ends first),
// its top level with the window's top, or just below `above` when that tool window is shown
// there already, so that two tool windows stand one under the other.
QPoint besideWindow(const QWidget& window, QSize size, const QWidget* above = nullptr);

} // namespace ondulix
