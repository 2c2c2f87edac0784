#include "app/editor/edit_history.h"

#include "app/editor/change_signals.h"
#include "app/editor/gesture_counter.h"

namespace ondulix {

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
}

void EditHistory::actionEnded(bool tableWritten)
{
    if (tableWritten)
        emit m_changes.tableWritten();
    emit m_changes.actionEnded();
}

} // namespace ondulix
