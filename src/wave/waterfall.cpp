#include "wave/waterfall.h"

#include "wave/graph.h"

#include <algorithm>
#include <cmath>

namespace ondulix {

namespace {

constexpr int kDepthSteps = Waterfall::kLines - 1;

// A margin no larger than an eighth of the side, so that a small view still has room to draw.
double inner(double side, double& margin)
{
    const double usable = std::isfinite(side) ? std::max(side, 0.0) : 0.0;
    margin = std::min(Waterfall::kMargin, usable / 8);
    return usable - 2 * margin;
}

} // namespace

Waterfall::Waterfall(double width, double height)
{
    double top = 0;
    const double innerWidth = inner(width, m_left);
    const double innerHeight = inner(height, top);
    // The back line's crest at the top, the front line's trough at the bottom.
    m_stepUp = innerHeight / (kDepthSteps + 2 * kSwingInSteps);
    m_heightScale = kSwingInSteps * m_stepUp / kSampleMax;
    m_frontBaseline = top + innerHeight - kSwingInSteps * m_stepUp;
    m_stepAside = innerWidth * kSideShare / kDepthSteps;
    m_waveWidth = innerWidth - kDepthSteps * m_stepAside;
}

double Waterfall::baseline(int line) const
{
    return m_frontBaseline - (line - 1) * m_stepUp;
}

double Waterfall::offset(int line) const
{
    return m_left + (line - 1) * m_stepAside;
}

WaterfallWave Waterfall::segments(const Wave& wave, int line) const
{
    const double left = offset(line);
    const double zero = baseline(line);
    const double xScale = m_waveWidth / kGraphExtent;
    WaterfallWave segments;
    for (int i = 0; i + 1 < kSampleCount; ++i) {
        segments[i] = {left + sampleX(i) * xScale, zero - wave[i] * m_heightScale,
            left + sampleX(i + 1) * xScale, zero - wave[i + 1] * m_heightScale};
    }
    return segments;
}

int Waterfall::lineNearest(double y) const
{
    if (!(m_stepUp > 0) || !std::isfinite(y))
        return 1;
    const double depth = std::floor((m_frontBaseline - y) / m_stepUp + 0.5);
    return static_cast<int>(std::clamp(depth, 0.0, double(kDepthSteps))) + 1;
}

} // namespace ondulix
