#include "platform/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace ondulix {

namespace {

QImage zigZag(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    QPainterPath stroke;
    stroke.moveTo(3 * s, 22 * s);
    stroke.lineTo(10 * s, 8 * s);
    stroke.lineTo(17 * s, 24 * s);
    stroke.lineTo(24 * s, 8 * s);
    stroke.lineTo(29 * s, 18 * s);
    const auto strokeWith = [&](const QColor& colour, double width) {
        painter.strokePath(
            stroke, QPen(colour, width * s, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    };
    strokeWith(Qt::black, 7); // outline
    strokeWith(QColor(128, 128, 128), 5); // the stroke's shaded side
    painter.translate(-0.8 * s, -0.8 * s);
    strokeWith(QColor(192, 192, 192), 3); // its lit side
    painter.translate(-0.4 * s, -0.4 * s);
    strokeWith(Qt::white, 1);
    painter.end();
    return image;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(zigZag(16)));
    icon.addPixmap(QPixmap::fromImage(zigZag(32)));
    return icon;
}

QImage programIconImage(int size)
{
    return zigZag(size);
}

QPixmap presetPicture(const QPolygonF& outline)
{
    QPixmap pixmap(kPresetPictureSize, kPresetPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPolyline(outline);
    painter.end();
    return pixmap;
}

} // namespace ondulix
