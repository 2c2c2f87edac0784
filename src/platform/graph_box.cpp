#include "platform/graph_box.h"

#include "platform/qt_colour.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace ondulix {

GraphBox::GraphBox(QWidget* parent)
    : QFrame(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(kGraphBackground));
    setPalette(colours);
    setMouseTracking(true);
    // The whole picture is repainted every time, so Qt need not clear it first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphBox::clear()
{
    m_lines.clear();
    ++m_redrawCount;
    if (!m_painting)
        update();
}

void GraphBox::rasterise(QPainter& painter) const
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.scale(1.0 / kUnitsPerPixel, 1.0 / kUnitsPerPixel);
    // One logical pixel wide, as on a plain screen, rounded to whole device pixels so that the
    // aliased lines stay crisp: at twice the scale the picture is the same at twice the size.
    QPen pen;
    pen.setCosmetic(true);
    pen.setWidth(std::max(1, qRound(painter.device()->devicePixelRatioF())));
    for (const GraphLine& line : m_lines.lines()) {
        pen.setColor(toQColor(line.colour));
        painter.setPen(pen);
        painter.drawLine(line.x1, line.y1, line.x2, line.y2);
    }
}

void GraphBox::paintEvent(QPaintEvent* event)
{
    if (m_paintHandler) {
        m_painting = true;
        m_paintHandler();
        m_painting = false;
    }
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    painter.fillRect(area, toQColor(kGraphBackground));
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    rasterise(painter);
}

void GraphBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && event->buttons() == Qt::RightButton) {
        event->accept();
        emit menuRequested(event->globalPosition().toPoint());
        return;
    }
    m_pressedInside = true;
    QFrame::mousePressEvent(event);
}

void GraphBox::mouseReleaseEvent(QMouseEvent* event)
{
    const bool inside = rect().contains(event->position().toPoint());
    if (m_pressedInside && inside && event->buttons() == Qt::NoButton)
        emit clicked();
    if (event->buttons() == Qt::NoButton)
        m_pressedInside = false;
    QFrame::mouseReleaseEvent(event);
}

void GraphBox::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF inner = event->position() - contentsRect().topLeft();
    emit pointerMoved(event->buttons(), static_cast<float>(inner.x() * kUnitsPerPixel),
        static_cast<float>(inner.y() * kUnitsPerPixel));
    QFrame::mouseMoveEvent(event);
}

void GraphBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        emit menuRequested(mapToGlobal(rect().center()));
        return;
    }
    QFrame::keyPressEvent(event);
}

// Qt turns the Menu key into this event; the mouse's own is answered at the press above.
void GraphBox::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        emit menuRequested(mapToGlobal(rect().center()));
    else
        QFrame::contextMenuEvent(event);
}

} // namespace ondulix
