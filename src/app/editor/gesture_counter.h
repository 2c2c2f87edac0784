#pragma once

#include <QObject>

class QWidget;

namespace ondulix {

// Counts the user's gestures on one window: a press of a mouse button with no other held, or a
// key press, starts the next. The edit history merges the steps of one gesture into one.
class GestureCounter : public QObject
{
public:
    // Watches every event of the application from now on, and only looks.
    explicit GestureCounter(QWidget& window);

    long current() const { return m_gesture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool ownWindow(const QWidget& window) const;

    QWidget& m_window;
    long m_gesture = 1;
    bool m_focusedByPress = false;
};

} // namespace ondulix
