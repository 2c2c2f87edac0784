#include "active_window.h"
#include "app/window/frmondulix.h"
#include "pattern/edit_steps.h"
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
    state.counters["steps"] = window->features().editor.history().steps();
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
    if (window->features().editor.samples().sample(31) != (next == 1 ? 123 : -321))
        state.SkipWithError("the paste did not land");
}
BENCHMARK(BM_PasteThirtyTwoValues)->Unit(benchmark::kMicrosecond);

// The edit history's own share of a slider change, without the window: the change handler's run
// as an action of the gesture, the sample reported as written, and the step merged into the
// gesture's step when the run ends. 32 changes, as BM_ThirtyTwoSliderWrites makes them.
class RecordedSamples : public SampleSet, public LineSelector
{
public:
    int sample(int index) const override { return wave[index]; }
    void setSample(int index, int value) override
    {
        wave[index] = value;
        EditSteps::Action handler(history, 1);
        history.sampleWritten(index, value);
    }
    int line() const override { return 1; }
    void setLine(int) override { }
    void showLineNumber(int) override { }

    Wave wave {};
    PatternTable table;
    EditSteps history {{*this, table, *this}};
};

void BM_HistoryOfThirtyTwoSampleChanges(benchmark::State& state)
{
    RecordedSamples samples;
    samples.history.forget();
    int level = 0;
    for (auto _ : state) {
        level = level == 100 ? -100 : 100;
        for (int i = 0; i < kSampleCount; ++i)
            samples.setSample(i, level);
    }
    state.SetItemsProcessed(state.iterations() * kSampleCount);
}
BENCHMARK(BM_HistoryOfThirtyTwoSampleChanges);

} // namespace
