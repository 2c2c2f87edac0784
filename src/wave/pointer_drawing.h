#pragma once

#include <optional>

namespace ondulix {

// The mouse buttons as the drawing step sees them; only the left one alone draws.
inline constexpr int kLeftButtonBit = 1;
inline constexpr int kRightButtonBit = 2;
inline constexpr int kMiddleButtonBit = 4;

// The sample a pointer move sets, and the value it sets it to.
struct PointerTarget
{
    int column = 0;
    int value = 0;
    friend bool operator==(const PointerTarget&, const PointerTarget&) = default;
};

// Where a pointer move over the graph draws, if it draws at all: only with the left button
// alone held, drawing armed, and the position (in graph units, top-left origin) strictly between
// -1 and 3756 on both axes. The graph's 3755 units are cut into 32 columns of 117.34375 each, and
// every 3.75 units downwards from the top lower the value by one from 500.
//
// The edges of the accepted window reach a little past the graph, to column -1 or 32 and to
// value 501 or -501. A screen at a fractional scale reports such positions; they are clamped to
// the nearest column and to full scale, so the edge of the graph always reaches the edge sample
// and full scale, and no position names a sample that does not exist.
std::optional<PointerTarget> pointerTarget(int buttonBits, bool armed, float x, float y);

} // namespace ondulix
