#pragma once

#include "wave/graph.h"

#include <vector>

namespace ondulix {

struct GraphLine
{
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb colour;
    friend bool operator==(const GraphLine&, const GraphLine&) = default;
};

// A drawing surface that keeps what was drawn since the last clear as a list of coloured
// lines in graph units, for a screen to rasterise when it next paints.
class GraphLines : public DrawingSurface
{
public:
    void clear() override { m_lines.clear(); }
    void setDrawColour(Rgb colour) override { m_colour = colour; }
    void drawLine(int x1, int y1, int x2, int y2) override
    {
        m_lines.push_back({x1, y1, x2, y2, m_colour});
    }

    const std::vector<GraphLine>& lines() const { return m_lines; }

private:
    std::vector<GraphLine> m_lines;
    Rgb m_colour;
};

} // namespace ondulix
