#pragma once

#include "wave/graph_lines.h"

#include <QFrame>
#include <functional>

namespace ondulix {

// The picture box the waveform graph is drawn into. It keeps the lines of the last redraw in
// graph units and rasterises them whenever Qt paints it. It reports a click (press and release
// inside it) and every pointer move, with the buttons held and the position in graph units.
// It asks for its menu on a right press with no other button held, which then neither draws
// nor counts towards a click, and on the Menu key or Shift+F10 while it has the focus.
class GraphBox : public QFrame, public DrawingSurface
{
    Q_OBJECT

public:
    // Graph units per logical pixel.
    static constexpr double kUnitsPerPixel = 15.0;

    explicit GraphBox(QWidget* parent = nullptr);

    void clear() override;
    void setDrawColour(Rgb colour) override { m_lines.setDrawColour(colour); }
    void drawLine(int x1, int y1, int x2, int y2) override { m_lines.drawLine(x1, y1, x2, y2); }

    // How many times the picture was cleared, that is redrawn, since the box was made.
    long redrawCount() const { return m_redrawCount; }

    // Called at the start of every paint, so a paint redraws the picture from its source.
    void setPaintHandler(std::function<void()> handler) { m_paintHandler = std::move(handler); }

    // Draws the current picture with the painter, which stands at the drawing area's origin in
    // logical pixels. Lines are one logical pixel wide in whole device pixels, without
    // antialiasing: one device pixel at scale 1, two at scale 2.
    void rasterise(QPainter& painter) const;

signals:
    void clicked();
    void pointerMoved(Qt::MouseButtons buttons, float x, float y);
    void menuRequested(const QPoint& globalPosition);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    GraphLines m_lines;
    std::function<void()> m_paintHandler;
    long m_redrawCount = 0;
    bool m_painting = false;
    bool m_pressedInside = false;
};

} // namespace ondulix
