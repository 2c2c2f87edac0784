#include "platform/preset_button.h"

#include <QMouseEvent>

namespace ondulix {

PresetButton::PresetButton(QWidget* parent)
    : QToolButton(parent)
{
    setCheckable(true);
    setAutoExclusive(true);
    setAutoRaise(false);
    setToolButtonStyle(Qt::ToolButtonIconOnly);
    // A tool button takes no focus from a click by default; an option button does.
    setFocusPolicy(Qt::StrongFocus);
}

void PresetButton::mousePressEvent(QMouseEvent* event)
{
    emit mousePressed(event->button());
    QToolButton::mousePressEvent(event);
}

void PresetButton::focusInEvent(QFocusEvent* event)
{
    QToolButton::focusInEvent(event);
    // The window coming back to the front returns the focus the button had; the user chose
    // nothing, and a random preset must not replace the waveform for that.
    if (event->reason() != Qt::ActiveWindowFocusReason)
        emit focusGained();
}

} // namespace ondulix
