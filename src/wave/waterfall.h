#pragma once

#include "wave/sample_set.h"

#include <array>

namespace ondulix {

// The table overview's picture: all 32 lines as a waterfall. Line 1 stands in front at the
// bottom and line 32 at the back at the top; each line lies one depth step higher and further
// to the right than the line in front of it. Each wave is drawn as the graph draws it, 31
// straight segments between its samples, with the graph's spacing of the samples.
//
// Everything is in logical pixels as real numbers, origin top-left, y downwards, so the view
// paints sharp at any device pixel ratio.
struct WaterfallSegment
{
    double x1 = 0;
    double y1 = 0;
    double x2 = 0;
    double y2 = 0;
};
using WaterfallWave = std::array<WaterfallSegment, kSampleCount - 1>;

class Waterfall
{
public:
    // The pattern table's lines.
    static constexpr int kLines = 32;
    // A wave's full swing, +-500, reaches this many depth steps above and below its baseline:
    // neighbours overlap as a waterfall's do, and the front and back lines still show whole.
    static constexpr double kSwingInSteps = 4.0;
    // The share of the width taken by the sideways offset of the 31 lines behind line 1.
    static constexpr double kSideShare = 0.3;
    static constexpr double kMargin = 6.0;

    // A view of any size, even an empty one, gives a picture without a NaN in it.
    Waterfall(double width, double height);

    // y of the line's sample value 0 and x of its first sample, for lines 1..32.
    double baseline(int line) const;
    double offset(int line) const;
    double waveWidth() const { return m_waveWidth; }
    // Pixels for one sample unit: 500 x this is the height of a full swing above the baseline.
    double heightScale() const { return m_heightScale; }

    WaterfallWave segments(const Wave& wave, int line) const;

    // The line (1..32) whose baseline lies nearest to height y; a point halfway between two
    // goes to the line behind. Only the height counts, so a click beside the waves still finds
    // a line.
    int lineNearest(double y) const;

private:
    double m_left = 0;
    double m_frontBaseline = 0;
    double m_stepUp = 0;
    double m_stepAside = 0;
    double m_waveWidth = 0;
    double m_heightScale = 0;
};

} // namespace ondulix
