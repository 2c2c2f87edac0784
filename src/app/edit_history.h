#pragma once

#include "pattern/line_paging.h"
#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <QObject>
#include <QUndoStack>

class QWidget;

namespace ondulix {

// What an edit can change, reached through the same interfaces as every operation uses.
struct EditTarget
{
    SampleSet& samples;
    PatternTable& table;
    LineSelector& lines;
};

// The window's edit history. It keeps the state after the last step (the samples, the line
// shown and the table) and, when an action has run to its end, records what differs from it as
// one step. So a step stores only what changed, nothing is taken mid-way through the nested
// handler runs, and no step stays open across events.
//
// A step of a gesture (a slider change by the user, a stroke on the graph, a preset press with
// all its selection runs) merges into the step before it when both belong to the same gesture:
// one press of a mouse button or one key press on the window, with everything up to the next.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    static constexpr int kStepLimit = 1000;

    enum class Kind
    {
        Own, // a step of its own
        Gesture, // part of the gesture under way
    };

    // Marks one run of an action. The outermost run decides the kind, and the step is recorded
    // when it ends; nested runs (the normalization of a preset, paging in a wrap) add to it.
    class Action
    {
    public:
        Action(EditHistory& history, Kind kind);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        EditHistory& m_history;
    };

    EditHistory(EditTarget target, QWidget* window);

    // Starts afresh from the state shown now, with no steps.
    void forget();

    // Each writes through the same interfaces as any operation: the table's cells first, then
    // the line selector, which pages, then the samples that the paging replaced.
    void undo();
    void redo();

    const QUndoStack& steps() const { return m_stack; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class EditStep;
    void record(Kind kind);
    void takeBaseline();

    EditTarget m_target;
    QWidget* m_window;
    QUndoStack m_stack;
    Wave m_samples {};
    int m_line = 0;
    PatternTable m_table;
    std::uint64_t m_tableStamp = 0;
    int m_depth = 0;
    Kind m_outerKind = Kind::Own;
    bool m_restoring = false;
    long m_gesture = 1;
    bool m_focusedByPress = false;
};

} // namespace ondulix
