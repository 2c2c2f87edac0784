#include "app/editor/editor.h"
#include "app/editor/feature_context.h"
#include "app/window/frmondulix.h"
#include "pattern/clipboard_text.h"
#include "pattern/line_waves.h"
#include "pattern/pattern_line.h"
#include "platform/upward_scroll_bar.h"
#include "wave/number_text.h"

#include <array>
#include <benchmark/benchmark.h>

using namespace ondulix;

namespace {

class PlainSamples : public SampleSet
{
public:
    int sample(int index) const override { return values[index]; }
    void setSample(int index, int value) override { values[index] = value; }
    std::array<int, kSampleCount> values {};
};

// Lines 1 and 2 differ in every sample, so each page writes 32 sliders.
void fillOppositeLines(PatternTable& table)
{
    for (int i = 0; i < kSampleCount; ++i) {
        table.setCell(1, kFirstSampleRow + i, generalForm((100 + 7 * i) / 1000.0));
        table.setCell(2, kFirstSampleRow + i, generalForm((-100 - 11 * i) / 1000.0));
    }
}

// One page on the real window: 32 cells read, 32 slider writes, 32 change handlers and redraws.
void BM_PageBetweenDifferingLines(benchmark::State& state)
{
    frmOndulix window;
    PatternTable opposite;
    fillOppositeLines(opposite);
    const LineWrite lines[] = {{1, lineWave(opposite, 1)}, {2, lineWave(opposite, 2)}};
    window.features().editor.writeLines(lines);
    auto* selector = window.findChild<UpwardScrollBar*>(QStringLiteral("VScroll1"));
    int line = 1;
    for (auto _ : state) {
        line = 3 - line;
        selector->setLevel(line);
    }
}
BENCHMARK(BM_PageBetweenDifferingLines)->Unit(benchmark::kMicrosecond);

// The reading and rounding alone, without widgets.
void BM_LoadLine(benchmark::State& state)
{
    PatternTable table;
    fillOppositeLines(table);
    PlainSamples samples;
    int line = 1;
    for (auto _ : state) {
        line = 3 - line;
        loadLine(table, line, samples);
        benchmark::DoNotOptimize(samples.values.data());
    }
}
BENCHMARK(BM_LoadLine);

void BM_StoreLine(benchmark::State& state)
{
    PatternTable table;
    PlainSamples samples;
    for (int i = 0; i < kSampleCount; ++i)
        samples.values[i] = -500 + 31 * i;
    for (auto _ : state) {
        storeLine(samples, 5, table);
        benchmark::DoNotOptimize(&table);
    }
}
BENCHMARK(BM_StoreLine);

void BM_ClipboardText(benchmark::State& state)
{
    PlainSamples samples;
    for (int i = 0; i < kSampleCount; ++i)
        samples.values[i] = -500 + 31 * i;
    for (auto _ : state)
        benchmark::DoNotOptimize(clipboardText(samples));
}
BENCHMARK(BM_ClipboardText);

} // namespace
