#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/window/frmondulix.h"
#include "platform/graph_box.h"
#include "platform/upward_scroll_bar.h"
#include "wave/graph.h"
#include "wave/graph_lines.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace ondulix;

namespace {

class SineSamples : public SampleSet
{
public:
    int sample(int index) const override { return (index * 37) % 1001 - 500; }
    void setSample(int, int) override { }
};

void BM_RedrawGraph(benchmark::State& state)
{
    SineSamples samples;
    GraphLines picture;
    for (auto _ : state) {
        redrawGraph(samples, picture);
        benchmark::DoNotOptimize(picture.lines().data());
    }
}
BENCHMARK(BM_RedrawGraph);

// One paint of the graph box's drawing area, at the given device pixel ratio.
void BM_RasteriseGraph(benchmark::State& state)
{
    const int ratio = static_cast<int>(state.range(0));
    GraphBox box;
    SineSamples samples;
    redrawGraph(samples, box);
    QImage image(253 * ratio, 253 * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(QRect(0, 0, 253, 253), QColor(0, 64, 0));
        box.rasterise(painter);
    }
}
BENCHMARK(BM_RasteriseGraph)->Arg(1)->Arg(2);

// 32 slider writes on the real window, each running its change handler and a redraw.
void thirtyTwoSliderWrites(benchmark::State& state, frmOndulix& window)
{
    int level = 0;
    for (auto _ : state) {
        level = level == 100 ? -100 : 100;
        for (int i = 0; i < 32; ++i)
            window.features().editor.samples().setSample(i, level);
    }
    state.SetItemsProcessed(state.iterations() * 32);
}

void BM_ThirtyTwoSliderWrites(benchmark::State& state)
{
    frmOndulix window;
    window.show();
    thirtyTwoSliderWrites(state, window);
}
BENCHMARK(BM_ThirtyTwoSliderWrites);

// The same while a write of the recovery file is due: the window started, and one change made.
void BM_ThirtyTwoSliderWritesWhileKeepingIsDue(benchmark::State& state)
{
    frmOndulix window;
    window.show();
    QCoreApplication::processEvents();
    window.features().editor.samples().setSample(0, 1);
    thirtyTwoSliderWrites(state, window);
}
BENCHMARK(BM_ThirtyTwoSliderWritesWhileKeepingIsDue);

} // namespace
