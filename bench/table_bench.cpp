#include "pattern/line_morph.h"
#include "pattern/line_waves.h"
#include "wave/waterfall.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <numbers>

using namespace ondulix;

namespace {

// Line 1 a ramp, line 32 a sine: every harmonic differs, so a spectral morph turns each one.
PatternTable twoKeys()
{
    PatternTable table;
    Wave ramp {};
    Wave sine {};
    for (int i = 0; i < kSampleCount; ++i) {
        ramp[i] = -500 + 31 * i;
        sine[i] = static_cast<int>(std::lround(500 * std::sin(2 * std::numbers::pi * i / 32)));
    }
    storeWave(ramp, 1, table);
    storeWave(sine, 32, table);
    return table;
}

// A morph from line 1 to line 32 as the window runs it, the undo record aside: 30 lines worked
// out and stored in Generate to Memory's form.
void BM_MorphThirtyLines(benchmark::State& state)
{
    const auto kind = static_cast<MorphKind>(state.range(0));
    PatternTable table = twoKeys();
    const EditedLine current {1, lineWave(table, 1)};
    for (auto _ : state) {
        const MorphPlan plan = planMorph(table, current, 1, 32, kind);
        applyWrites(plan.writes, table);
        benchmark::DoNotOptimize(&table);
    }
}
BENCHMARK(BM_MorphThirtyLines)
    ->Arg(static_cast<int>(MorphKind::Crossfade))
    ->Arg(static_cast<int>(MorphKind::Spectral))
    ->Unit(benchmark::kMicrosecond);

// The segments of all 32 lines in an overview of 600 x 500 logical pixels; with the table read
// (Arg 1), as a repaint that follows a change of the table reads it.
void BM_WaterfallSegments(benchmark::State& state)
{
    const bool readTable = state.range(0) != 0;
    PatternTable table = twoKeys();
    applyWrites(planMorph(table, {}, 1, 32, MorphKind::Crossfade).writes, table);
    std::array<Wave, Waterfall::kLines> waves {};
    for (int line = 1; line <= Waterfall::kLines; ++line)
        waves[line - 1] = lineWave(table, line);
    for (auto _ : state) {
        const Waterfall view(600, 500);
        for (int line = 1; line <= Waterfall::kLines; ++line) {
            if (readTable)
                waves[line - 1] = lineWave(table, line);
            benchmark::DoNotOptimize(view.segments(waves[line - 1], line));
        }
    }
}
BENCHMARK(BM_WaterfallSegments)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
