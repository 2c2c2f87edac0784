#include "wave/pointer_drawing.h"

#include "wave/sample_set.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

// 117.34375 x 32 = 3755 and 3.75 x 1000 = 3750, both exact in binary, so a position on a
// column or step boundary falls into the column or step that starts there.
constexpr double kColumnWidth = 117.34375;
constexpr double kValueStep = 3.75;
// Positions are accepted strictly between these, a unit beyond the graph on every side.
constexpr float kLowestPosition = -1.0f;
constexpr float kHighestPosition = 3756.0f;

bool insideAcceptedWindow(float position)
{
    // Written so that NaN fails too.
    return position > kLowestPosition && position < kHighestPosition;
}

} // namespace

std::optional<PointerTarget> pointerTarget(int buttonBits, bool armed, float x, float y)
{
    if (buttonBits != kLeftButtonBit || !armed || !insideAcceptedWindow(x)
        || !insideAcceptedWindow(y))
        return std::nullopt;
    // The divisions are done in double: in single precision a position just below a boundary
    // could round up onto it.
    const int column = static_cast<int>(std::floor(static_cast<double>(x) / kColumnWidth));
    const int value
        = kSampleMax - static_cast<int>(std::floor(static_cast<double>(y) / kValueStep));
    return PointerTarget {
        std::clamp(column, 0, kSampleCount - 1), std::clamp(value, kSampleMin, kSampleMax)};
}

} // namespace ondulix
