#include "app/editor/edit_history.h"

#include "app/editor/change_signals.h"
#include "app/editor/gesture_counter.h"

#include <QUndoCommand>

namespace ondulix {

namespace {

// Qt's handle on one step; the step itself lives in EditSteps, which also merges, so the
// command never merges. The action has already run when it is pushed: the first redo is Qt's.
class StepCommand : public QUndoCommand
{
public:
    explicit StepCommand(EditSteps& steps)
        : m_steps(steps)
    { }

    void undo() override { m_steps.undo(); }
    void redo() override
    {
        if (m_pushed)
            m_steps.redo();
        m_pushed = true;
    }

private:
    EditSteps& m_steps;
    bool m_pushed = false;
};

// Pushed only to make Qt drop the commands above its index, as EditSteps dropped their steps.
class DroppedCommand : public QUndoCommand
{
public:
    DroppedCommand() { setObsolete(true); }
};

} // namespace

EditHistory::Action::Action(EditHistory& history, Kind kind)
    : m_action(
        history.m_steps, kind == Kind::Gesture ? history.m_gestures.current() : EditSteps::kOwnStep)
{ }

EditHistory::EditHistory(EditTarget target, const GestureCounter& gestures, ChangeSignals& changes)
    : m_steps(target)
    , m_gestures(gestures)
    , m_changes(changes)
{
    m_steps.setObserver(this);
    m_stack.setUndoLimit(kStepLimit);
}

void EditHistory::forget()
{
    m_steps.forget();
    m_stack.clear();
}

void EditHistory::undo()
{
    m_stack.undo();
    checkLockstep();
}

void EditHistory::redo()
{
    m_stack.redo();
    checkLockstep();
}

void EditHistory::redoStepsDropped()
{
    m_stack.push(new DroppedCommand);
}

void EditHistory::stepAdded()
{
    m_stack.push(new StepCommand(m_steps));
    checkLockstep();
}

// An obsolete command is taken off the stack by the undo that reaches it, without running.
void EditHistory::lastStepRemoved()
{
    const_cast<QUndoCommand*>(m_stack.command(m_stack.index() - 1))->setObsolete(true);
    m_stack.undo();
    checkLockstep();
}

void EditHistory::checkLockstep() const
{
    Q_ASSERT(m_stack.count() == m_steps.count() && m_stack.index() == m_steps.done());
}

void EditHistory::actionEnded(bool tableWritten)
{
    if (tableWritten)
        emit m_changes.tableWritten();
    emit m_changes.actionEnded();
}

} // namespace ondulix
