#pragma once

#include "wave/graph.h"

#include <QColor>

namespace ondulix {

// A colour of the graph's, as Qt paints it.
inline QColor toQColor(Rgb colour)
{
    return QColor(colour.red, colour.green, colour.blue);
}

} // namespace ondulix
