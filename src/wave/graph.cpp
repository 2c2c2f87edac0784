#include "wave/graph.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

namespace ondulix {

int sampleHeight(int value)
{
    // Computed as the window always has: shift to 0..1000, divide, multiply, subtract.
    const int shifted = value - kSampleMin;
    const double height = kGraphExtent - (shifted / 1000.0) * kGraphExtent;
    return roundToIntIn(height, 0, kGraphExtent);
}

void redrawGraph(const SampleSet& samples, DrawingSurface& surface)
{
    surface.clear();

    surface.setDrawColour(kCentreLineColour);
    surface.drawLine(0, kGridCentre, kGraphExtent, kGridCentre);
    surface.drawLine(kGridCentre, 0, kGridCentre, kGraphExtent);

    surface.setDrawColour(kQuarterLineColour);
    surface.drawLine(0, kGridQuarter, kGraphExtent, kGridQuarter);
    surface.drawLine(0, kGridThreeQuarters, kGraphExtent, kGridThreeQuarters);
    surface.drawLine(kGridQuarter, 0, kGridQuarter, kGraphExtent);
    surface.drawLine(kGridThreeQuarters, 0, kGridThreeQuarters, kGraphExtent);

    surface.setDrawColour(kCurveColour);
    for (int i = 0; i + 1 < kSampleCount; ++i) {
        surface.drawLine(sampleX(i), sampleHeight(samples.sample(i)), sampleX(i + 1),
            sampleHeight(samples.sample(i + 1)));
    }
}

} // namespace ondulix
