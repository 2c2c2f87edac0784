#include "platform/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>

namespace ondulix {

namespace {

constexpr double kLast = kPresetPictureSize - 1; // 30: the right and bottom pixel
constexpr double kMiddle = kLast / 2; // 15

QPolygonF sampledCurve(double (*shape)(double phase))
{
    QPolygonF points;
    for (int x = 0; x <= kLast; ++x)
        points << QPointF(x, kMiddle - shape(x / kLast) * kMiddle);
    return points;
}

double sinePeriod(double phase)
{
    return std::sin(2 * M_PI * phase);
}

double doubleSine(double phase)
{
    const double swing = phase < 0.5 ? 1.0 : 0.5;
    return swing * std::sin(4 * M_PI * phase);
}

// Fixed, so the pictures look the same on every start.
QPolygonF unevenSteps()
{
    const double levels[] = {4, 11, 7, -3, 2, -9, -5, 6};
    QPolygonF points;
    const double stepWidth = kLast / 8;
    for (int step = 0; step < 8; ++step) {
        points << QPointF(step * stepWidth, kMiddle - levels[step]);
        points << QPointF((step + 1) * stepWidth, kMiddle - levels[step]);
    }
    return points;
}

QPolygonF jaggedLine()
{
    const double levels[] = {0, 9, -4, 12, 3, -11, 6, -7, 13, -2, -13, 5, -6, 10, 1, 0};
    QPolygonF points;
    for (int i = 0; i < 16; ++i)
        points << QPointF(i * kLast / 15, kMiddle - levels[i]);
    return points;
}

QPolygonF presetOutline(int index)
{
    switch (index) {
    case 0: // Reset
        return {{0, kMiddle}, {kLast, kMiddle}};
    case 1: // Square
        return {
            {0, kMiddle}, {0, 0}, {kMiddle, 0}, {kMiddle, kLast}, {kLast, kLast}, {kLast, kMiddle}};
    case 2: // Sine
        return sampledCurve(sinePeriod);
    case 3: // Ramp2, rising
        return {{0, kMiddle}, {0, kLast}, {kLast, 0}, {kLast, kMiddle}};
    case 4: // Ramp1, falling
        return {{0, kMiddle}, {0, 0}, {kLast, kLast}, {kLast, kMiddle}};
    case 5: // Triangle
        return {{0, kMiddle}, {kLast / 4, 0}, {3 * kLast / 4, kLast}, {kLast, kMiddle}};
    case 6: // Double Sine
        return sampledCurve(doubleSine);
    case 7: // Random Existing
        return unevenSteps();
    default: // Random
        return jaggedLine();
    }
}

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

QPixmap presetPicture(int index)
{
    QPixmap pixmap(kPresetPictureSize, kPresetPictureSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::black, 0));
    painter.drawPolyline(presetOutline(index));
    painter.end();
    return pixmap;
}

} // namespace ondulix
