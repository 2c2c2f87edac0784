#include "app/edit_history.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QUndoCommand>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace ondulix {

namespace {

// Gesture steps share one merge id; a step of its own has none (-1), so it never merges.
constexpr int kGestureStepId = 1;

struct SampleChange
{
    int index;
    int before;
    int after;
};

struct CellChange
{
    int column;
    int row;
    std::string before;
    std::string after;
};

} // namespace

// One step: the cells, the line and the samples it changed, each before and after. A step that
// changes the line keeps all 32 samples, since paging replaces every one of them.
class EditStep : public QUndoCommand
{
public:
    EditStep(EditHistory& history, long gesture)
        : m_history(history)
        , m_gesture(gesture)
    { }

    std::vector<SampleChange> samples;
    std::vector<CellChange> cells;
    int lineBefore = 0;
    int lineAfter = 0;

    bool isEmpty() const { return samples.empty() && cells.empty() && lineBefore == lineAfter; }

    int id() const override { return m_gesture != 0 ? kGestureStepId : -1; }

    // The action has already run when its step is pushed, so the first redo does nothing.
    void redo() override
    {
        if (m_pushed)
            restore(false);
        m_pushed = true;
    }
    void undo() override { restore(true); }

    bool mergeWith(const QUndoCommand* other) override
    {
        const auto* later = static_cast<const EditStep*>(other);
        if (later->m_gesture != m_gesture || lineBefore != lineAfter
            || later->lineBefore != later->lineAfter)
            return false;
        for (const SampleChange& change : later->samples) {
            auto same = std::find_if(samples.begin(), samples.end(),
                [&](const SampleChange& mine) { return mine.index == change.index; });
            if (same == samples.end())
                samples.push_back(change);
            else
                same->after = change.after;
        }
        std::erase_if(samples, [](const SampleChange& c) { return c.before == c.after; });
        setObsolete(isEmpty());
        return true;
    }

private:
    void restore(bool before)
    {
        EditTarget& target = m_history.m_target;
        m_history.m_restoring = true;
        for (const CellChange& cell : cells)
            target.table.setCell(cell.column, cell.row, before ? cell.before : cell.after);
        if (lineBefore != lineAfter)
            target.lines.setLine(before ? lineBefore : lineAfter);
        for (const SampleChange& change : samples)
            target.samples.setSample(change.index, before ? change.before : change.after);
        m_history.m_restoring = false;
        m_history.takeBaseline();
    }

    EditHistory& m_history;
    long m_gesture;
    bool m_pushed = false;
};

EditHistory::Action::Action(EditHistory& history, Kind kind)
    : m_history(history)
{
    if (m_history.m_depth++ == 0)
        m_history.m_outerKind = kind;
}

EditHistory::Action::~Action()
{
    if (--m_history.m_depth == 0)
        m_history.record(m_history.m_outerKind);
}

EditHistory::EditHistory(EditTarget target, QWidget* window)
    : m_target(target)
    , m_window(window)
{
    m_stack.setUndoLimit(kStepLimit);
    qApp->installEventFilter(this);
}

void EditHistory::forget()
{
    m_stack.clear();
    takeBaseline();
}

void EditHistory::undo()
{
    m_stack.undo();
}

void EditHistory::redo()
{
    m_stack.redo();
}

void EditHistory::takeBaseline()
{
    m_samples = readWave(m_target.samples);
    m_line = m_target.lines.line();
    m_table = m_target.table;
    m_tableStamp = m_table.writeStamp();
}

void EditHistory::record(Kind kind)
{
    if (m_restoring)
        return;
    auto step = std::make_unique<EditStep>(*this, kind == Kind::Gesture ? m_gesture : 0);
    step->lineBefore = m_line;
    step->lineAfter = m_target.lines.line();
    const bool paged = step->lineBefore != step->lineAfter;
    for (int i = 0; i < kSampleCount; ++i) {
        const int now = m_target.samples.sample(i);
        if (paged || now != m_samples[i])
            step->samples.push_back({i, m_samples[i], now});
        m_samples[i] = now;
    }
    m_line = step->lineAfter;
    // Most actions write no cell: the stamp spares them the comparison of the whole table.
    if (m_target.table.writeStamp() != m_tableStamp) {
        for (int column = 0; column < PatternTable::kColumns; ++column) {
            for (int row = 0; row < PatternTable::kRows; ++row) {
                const std::string& now = m_target.table.cell(column, row);
                if (now != m_table.cell(column, row)) {
                    step->cells.push_back({column, row, m_table.cell(column, row), now});
                    m_table.setCell(column, row, now);
                }
            }
        }
        m_tableStamp = m_target.table.writeStamp();
    }
    if (!step->isEmpty())
        m_stack.push(step.release());
}

// A press of a mouse button with no other held, or a key press, starts a gesture. Each event is
// counted once: one for the window reaches its QWindow first, before Qt gives a widget the focus
// that a press brings (which alone may run a preset selection) and then the press itself; an
// event for another window (a menu, a dialog) is counted at its widget, where a press that
// moves the focus brings the focus first, so the gesture starts there and the press belongs
// to it. The filter only looks; every event goes on as before.
bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool ours
        = widget != nullptr ? widget->window() == m_window : watched == m_window->windowHandle();
    if (!ours)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress:
        ++m_gesture;
        break;
    case QEvent::FocusIn:
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            ++m_gesture;
            m_focusedByPress = true;
        }
        break;
    case QEvent::MouseButtonPress: {
        const auto* press = static_cast<QMouseEvent*>(event);
        if (press->buttons() == press->button() && !std::exchange(m_focusedByPress, false))
            ++m_gesture;
        break;
    }
    default:
        break;
    }
    return false;
}

} // namespace ondulix
