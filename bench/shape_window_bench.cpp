#include "active_window.h"
#include "platform/harmonics_view.h"
#include "wave/harmonic_edit.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

using namespace ondulix;

namespace {

// One step of a drag in the harmonics window, as the user makes it: the pointer moves within the
// third harmonic's column, the level is set on the wave at the press, the wave is resynthesised
// and written through the sliders with every change handler, and the view follows once. Two
// heights take turns, so every step changes the wave.
void BM_HarmonicDragStepInTheWindow(benchmark::State& state)
{
    auto window = activeWindow(state);
    window->findChild<QAction*>(QStringLiteral("actHarmonics"))->trigger();
    auto* view = window->findChild<HarmonicsView*>();
    if (view == nullptr || !QTest::qWaitForWindowExposed(view))
        return state.SkipWithError("the harmonics window did not open");
    const QRectF column = view->column(3);
    const auto at = [&column](double decibels) {
        return QPointF(
            column.center().x(), column.top() + heightOfDecibels(decibels) * column.height())
            .toPoint();
    };
    const QPoint heights[] = {at(-12.0), at(-30.0)};
    QTest::mousePress(view, Qt::LeftButton, {}, heights[0]);
    int next = 1;
    for (auto _ : state) {
        QTest::mouseMove(view, heights[next]);
        next = 1 - next;
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, heights[next]);
}
BENCHMARK(BM_HarmonicDragStepInTheWindow)->Unit(benchmark::kMicrosecond);

// The formula dialog's Apply over lines 1 to 32: the formula read, 1024 points, the 32 lines
// written in Generate to Memory's form as one undo step, and the sliders reloaded. Two formulas
// take turns, so every Apply rewrites the table.
void BM_FormulaApplyOverThirtyTwoLines(benchmark::State& state)
{
    auto window = activeWindow(state);
    window->findChild<QAction*>(QStringLiteral("actFormula"))->trigger();
    auto* dialog = window->findChild<QDialog*>(QStringLiteral("formulaDialog"));
    if (dialog == nullptr)
        return state.SkipWithError("the formula dialog did not open");
    dialog->findChild<QRadioButton*>(QStringLiteral("optLines"))->setChecked(true);
    auto* expression = dialog->findChild<QLineEdit*>(QStringLiteral("txtFormula"));
    const QString formulas[] = {QStringLiteral("(1-t)*sin(2*pi*x) + t*(2*x-1)"),
        QStringLiteral("(1-t)*(2*x-1) + t*sin(2*pi*x)")};
    int next = 0;
    for (auto _ : state) {
        expression->setText(formulas[next]);
        dialog->accept();
        next = 1 - next;
    }
}
BENCHMARK(BM_FormulaApplyOverThirtyTwoLines)->Unit(benchmark::kMicrosecond);

} // namespace
