#pragma once

#include <cstdint>

namespace ondulix {

class SampleSet;

struct Rgb
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kGraphBackground {0, 64, 0};
inline constexpr Rgb kCentreLineColour {0, 150, 0};
inline constexpr Rgb kQuarterLineColour {0, 100, 0};
inline constexpr Rgb kCurveColour {0, 255, 0};

// The graph is drawn in graph units (twips, 15 to a pixel at 96 dpi) over the square 0..3755,
// origin top-left, y downwards.
inline constexpr int kGraphExtent = 3755;
// Fixed grid positions: 3755/2, 3755/4 and 3 x 3755/4, cut down.
inline constexpr int kGridCentre = 1877;
inline constexpr int kGridQuarter = 939;
inline constexpr int kGridThreeQuarters = 2816;
// The whole part of 3755 / 31, so the last sample lands at 3751, short of the right edge.
inline constexpr int kSampleSpacing = 121;

// Where the graph draws: a box that can be cleared, given a colour and drawn on with lines.
class DrawingSurface
{
public:
    virtual ~DrawingSurface() = default;
    virtual void clear() = 0;
    virtual void setDrawColour(Rgb colour) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
};

// Height of a sample value: 3755 x (500 - v) / 1000, an exact half going to the even neighbour.
int sampleHeight(int value);

constexpr int sampleX(int index)
{
    return kSampleSpacing * index;
}

// Clears the surface and draws the whole picture again from the current samples: two centre
// lines, four quarter lines, then the 31 segments of the curve, each over the ones before.
void redrawGraph(const SampleSet& samples, DrawingSurface& surface);

} // namespace ondulix
