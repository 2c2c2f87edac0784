#pragma once

#include <QPolygonF>

// The presets' line drawings, in the pixels of their 31 x 31 pictures (0..30, y downward).
namespace ondulix::outline {

QPolygonF flat();
QPolygonF square();
QPolygonF sine();
QPolygonF risingRamp();
QPolygonF fallingRamp();
QPolygonF triangle();
QPolygonF doubleSine();
QPolygonF unevenSteps();
QPolygonF jagged();

} // namespace ondulix::outline
