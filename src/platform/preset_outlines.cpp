#include "platform/preset_outlines.h"

#include "platform/pictures.h"

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

double doubleSinePeriods(double phase)
{
    const double swing = phase < 0.5 ? 1.0 : 0.5;
    return swing * std::sin(4 * M_PI * phase);
}

// Fixed, so the pictures look the same on every start.
QPolygonF unevenStepLine()
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

} // namespace

namespace outline {

QPolygonF flat()
{
    return {{0, kMiddle}, {kLast, kMiddle}};
}

QPolygonF square()
{
    return {{0, kMiddle}, {0, 0}, {kMiddle, 0}, {kMiddle, kLast}, {kLast, kLast}, {kLast, kMiddle}};
}

QPolygonF sine()
{
    return sampledCurve(sinePeriod);
}

QPolygonF risingRamp()
{
    return {{0, kMiddle}, {0, kLast}, {kLast, 0}, {kLast, kMiddle}};
}

QPolygonF fallingRamp()
{
    return {{0, kMiddle}, {0, 0}, {kLast, kLast}, {kLast, kMiddle}};
}

QPolygonF triangle()
{
    return {{0, kMiddle}, {kLast / 4, 0}, {3 * kLast / 4, kLast}, {kLast, kMiddle}};
}

QPolygonF doubleSine()
{
    return sampledCurve(doubleSinePeriods);
}

QPolygonF unevenSteps()
{
    return unevenStepLine();
}

QPolygonF jagged()
{
    return jaggedLine();
}

} // namespace outline

} // namespace ondulix
