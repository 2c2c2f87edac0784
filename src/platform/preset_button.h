#pragma once

#include <QToolButton>

namespace ondulix {

// A picture-style option button of the preset group. Besides the click that sets it, it reports
// every mouse press, whatever the mouse button, and its gaining the keyboard focus by the mouse
// or the keyboard (not the window's being activated again).
// Qt gives the focus before it delivers the press, so the order is focus, press, click.
class PresetButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PresetButton(QWidget* parent = nullptr);

signals:
    void mousePressed(Qt::MouseButton button);
    void focusGained();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace ondulix
