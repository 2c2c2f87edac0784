#pragma once

#include "pattern/edit_steps.h"

namespace ondulix {

class ChangeSignals;
class GestureCounter;

// The edit history as the editor keeps it: the steps (EditSteps, plain C++), the gesture each
// action belongs to, and the change signals that announce every action that ends and every
// undo or redo.
class EditHistory : private EditObserver
{
public:
    static constexpr int kStepLimit = EditSteps::kStepLimit;

    enum class Kind
    {
        Own, // a step of its own
        Gesture, // part of the gesture under way
    };

    // Marks one run of an action; see EditSteps::Action.
    class Action
    {
    public:
        Action(EditHistory& history, Kind kind);

    private:
        EditSteps::Action m_action;
    };

    EditHistory(EditTarget target, const GestureCounter& gestures, ChangeSignals& changes);

    // What the slider change handler saw change, as it changes.
    void sampleWritten(int index, int value) { m_steps.sampleWritten(index, value); }

    // Starts afresh from the state shown now, with no steps.
    void forget() { m_steps.forget(); }
    void undo() { m_steps.undo(); }
    void redo() { m_steps.redo(); }

    int steps() const { return m_steps.count(); }
    // How many of them are done, that is not undone.
    int done() const { return m_steps.done(); }

private:
    void actionEnded(bool tableWritten) override;

    EditSteps m_steps;
    const GestureCounter& m_gestures;
    ChangeSignals& m_changes;
};

} // namespace ondulix
