#include "platform/table_overview_view.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

using namespace ondulix;

// One full paint of the table overview at 600 x 500 and the given device pixel ratio: 32 stored
// lines of differing waves, the current line with a stored wave beneath it, a line being swept.
void BM_OverviewRepaint(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    OverviewLines lines;
    for (int line = 0; line < Waterfall::kLines; ++line) {
        lines.stored[line] = true;
        for (int i = 0; i < kSampleCount; ++i)
            lines.wave[line][i] = static_cast<int>(std::lround(
                500 * std::sin(6.283185 * i / kSampleCount * (1 + line % 4)) * (line + 1) / 32));
    }
    TableOverviewView view(nullptr);
    view.resize(600, 500);
    view.setLines(lines);
    view.setCurrent(5, Wave {});
    view.setPlaying(9);
    QImage image(600 * ratio, 500 * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        view.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_OverviewRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
