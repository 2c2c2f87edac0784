#pragma once

#include "pattern/edit_steps.h"

#include <QObject>
#include <QUndoStack>

namespace ondulix {

class ChangeSignals;
class GestureCounter;

// The edit history as the window and its features use it: the steps (EditSteps, plain C++)
// with Qt's undo stack holding one command for each, so both count and undo alike. Every
// action that ends, and every undo or redo, is announced through the change signals.
class EditHistory : public QObject, private EditObserver
{
    Q_OBJECT

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
    void forget();
    void undo();
    void redo();

    const QUndoStack& steps() const { return m_stack; }

private:
    void redoStepsDropped() override;
    void stepAdded() override;
    void lastStepRemoved() override;
    void actionEnded(bool tableWritten) override;
    // Qt's stack and the steps count and undo alike; debug builds check it after every change.
    void checkLockstep() const;

    EditSteps m_steps;
    const GestureCounter& m_gestures;
    ChangeSignals& m_changes;
    QUndoStack m_stack;
};

} // namespace ondulix
