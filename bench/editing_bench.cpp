#include "active_window.h"
#include "app/editor/editor.h"
#include "app/window/frmondulix.h"
#include "platform/graph_box.h"
#include "platform/preset_button.h"

#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ondulix;

namespace {

// A left click on a preset button that has neither the focus nor is set: the focus, the press and
// the click each run the selection, with all their nested change handlers and normalizations.
// Sine and Square take turns, so every click rewrites all 32 samples.
void BM_PresetClickOnAnotherButton(benchmark::State& state)
{
    auto window = activeWindow(state);
    PresetButton* buttons[] = {presetButton(*window, 2), presetButton(*window, 1)};
    long runs = 0;
    QObject::connect(
        window.get(), &frmOndulix::presetSelectionRan, window.get(), [&runs] { ++runs; });
    int next = 0;
    for (auto _ : state) {
        QTest::mouseClick(buttons[next], Qt::LeftButton);
        next = 1 - next;
    }
    state.counters["runs_per_click"]
        = benchmark::Counter(static_cast<double>(runs), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PresetClickOnAnotherButton)->Unit(benchmark::kMicrosecond);

// One accepted pointer move of a left drag that changes a sample: the mapping, the write, the
// change handler and a full redraw of the line list.
void BM_PointerMoveThatChangesASample(benchmark::State& state)
{
    auto window = activeWindow(state);
    auto* graph = window->findChild<GraphBox*>(QStringLiteral("pWave"));
    const QPoint corner = graph->contentsRect().topLeft();
    const QPoint heights[] = {corner + QPoint(100, 40), corner + QPoint(100, 200)};
    long changes = 0;
    QObject::connect(&window->features().editor.changes(), &ChangeSignals::sampleChanged,
        window.get(), [&changes] { ++changes; });
    QTest::mousePress(graph, Qt::LeftButton, {}, heights[0]);
    int next = 0;
    for (auto _ : state) {
        QTest::mouseMove(graph, heights[next]);
        next = 1 - next;
    }
    QTest::mouseRelease(graph, Qt::LeftButton, {}, heights[next]);
    state.counters["changes_per_move"]
        = benchmark::Counter(static_cast<double>(changes), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_PointerMoveThatChangesASample);

// The same drag standing still: the mapping only, as a move that lands on the held value costs.
void BM_PointerMoveOntoTheHeldValue(benchmark::State& state)
{
    auto window = activeWindow(state);
    auto* graph = window->findChild<GraphBox*>(QStringLiteral("pWave"));
    const QPoint where = graph->contentsRect().topLeft() + QPoint(100, 40);
    QTest::mousePress(graph, Qt::LeftButton, {}, where);
    for (auto _ : state)
        QTest::mouseMove(graph, where);
    QTest::mouseRelease(graph, Qt::LeftButton, {}, where);
}
BENCHMARK(BM_PointerMoveOntoTheHeldValue);

} // namespace
