#include "active_window.h"
#include "app/frmondulix.h"
#include "platform/preset_button.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <benchmark/benchmark.h>
#include <memory>

using namespace ondulix;

namespace {

// Ctrl+Z and Ctrl+Shift+Z through the window's shortcuts, after a click on Sine under Square:
// each rewrites all 32 samples, every write running the change handler.
void BM_UndoThenRedoAPresetStep(benchmark::State& state)
{
    auto window = activeWindow(state);
    QTest::mouseClick(presetButton(*window, 1), Qt::LeftButton);
    QTest::mouseClick(presetButton(*window, 2), Qt::LeftButton);
    for (auto _ : state) {
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    state.counters["steps"] = window->features().history.steps().count();
}
BENCHMARK(BM_UndoThenRedoAPresetStep)->Unit(benchmark::kMicrosecond);

// Ctrl+V of 32 whole values that all differ from the wave shown: reading the text, 32 writes
// with their handlers, and the step recorded. The clipboard is filled outside the timing.
void BM_PasteThirtyTwoValues(benchmark::State& state)
{
    auto window = activeWindow(state);
    const QString texts[] = {QString("123 ").repeated(32), QString("-321 ").repeated(32)};
    int next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QGuiApplication::clipboard()->setText(texts[next]);
        next = 1 - next;
        state.ResumeTiming();
        QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier);
    }
    if (window->features().samples.sample(31) != (next == 1 ? 123 : -321))
        state.SkipWithError("the paste did not land");
}
BENCHMARK(BM_PasteThirtyTwoValues)->Unit(benchmark::kMicrosecond);

} // namespace
