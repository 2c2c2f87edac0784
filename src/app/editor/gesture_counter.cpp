#include "app/editor/gesture_counter.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace ondulix {

GestureCounter::GestureCounter(QWidget& window)
    : m_window(window)
{
    qApp->installEventFilter(this);
}

// The window itself, and its tool windows, whose presses and keys edit the wave too.
bool GestureCounter::ownWindow(const QWidget& window) const
{
    return &window == &m_window
        || (window.windowType() == Qt::Tool && window.parentWidget() == &m_window);
}

// Each event is counted once: one for the window reaches its QWindow first, before Qt gives a
// widget the focus that a press brings (which alone may run a preset selection) and then the
// press itself; an event for another window (a menu, a dialog) is counted at its widget, where
// a press that moves the focus brings the focus first, so the gesture starts there and the
// press belongs to it.
bool GestureCounter::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours
        = widget != nullptr ? ownWindow(*widget->window()) : watched == m_window.windowHandle();
    if (!ours)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        ++m_gesture;
        break;
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            ++m_gesture;
            m_focusedByPress = true;
        }
        break;
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->buttons() == press->button() && !std::exchange(m_focusedByPress, false))
            ++m_gesture;
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace ondulix
