#pragma once

#include "pattern/line_paging.h"
#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace ondulix {

// What an edit can change, reached through the same interfaces as every operation uses.
struct EditTarget
{
    SampleSet& samples;
    PatternTable& table;
    LineSelector& lines;
};

// One step: the cells, the line and the samples it changed, each before and after. A step that
// changes the line keeps all 32 samples, since paging replaces every one of them.
struct EditStep
{
    struct Sample
    {
        int index;
        int before;
        int after;
    };
    struct Cell
    {
        int column;
        int row;
        std::string before;
        std::string after;
    };

    std::vector<Sample> samples;
    std::vector<Cell> cells;
    int lineBefore = 0;
    int lineAfter = 0;
    long gesture = 0; // the gesture it is part of; 0 for a step of its own

    bool pages() const { return lineBefore != lineAfter; }
    bool isEmpty() const { return samples.empty() && cells.empty() && !pages(); }
};

// Told when an action or an undo step has ended, so that the editor can tell whoever follows it.
class EditObserver
{
public:
    virtual ~EditObserver() = default;
    // After every action that was recorded, and every undo or redo of a step.
    virtual void actionEnded(bool tableWritten) = 0;
};

// The edit history: the state after the last step (the samples, the line shown and the table)
// and the steps that lead there. An action's step is what it changed from that state, recorded
// when its outermost run ends, so nothing is taken mid-way through the nested handler runs and
// no step stays open across events. The samples are recorded as the change handler writes
// them; the table only when a cell was written since the last look.
//
// A step that is part of a gesture (a slider change by the user, a stroke on the graph, a
// preset press with all its selection runs) merges into the step before it when both belong
// to the same gesture and neither changes the line.
class EditSteps
{
public:
    static constexpr int kStepLimit = 1000;
    static constexpr long kOwnStep = 0;

    // Marks one run of an action, part of `gesture` or a step of its own (kOwnStep). The
    // outermost run decides, and the step is recorded when it ends; nested runs (the
    // normalization of a preset, paging in a wrap) add to it.
    class Action
    {
    public:
        Action(EditSteps& steps, long gesture);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

    private:
        EditSteps& m_steps;
    };

    // The target need not exist yet: the first forget() takes the state to start from.
    explicit EditSteps(EditTarget target);

    void setObserver(EditObserver* observer) { m_observer = observer; }

    // The change handler's report of each sample it saw change, as the change happens.
    void sampleWritten(int index, int value)
    {
        m_now[index] = value;
        m_written |= 1u << index;
    }

    // Starts afresh from the state shown now, with no steps.
    void forget();

    // Each writes through the same interfaces as any operation: the table's cells first, then
    // the line selector, which pages, then the samples that the paging replaced. False when
    // there is no step to undo or redo.
    bool undo();
    bool redo();

    int count() const { return static_cast<int>(m_steps.size()); }
    // How many steps are done, that is not undone.
    int done() const { return static_cast<int>(m_done); }

private:
    void record();
    void collectSamples(EditStep& step);
    void collectCells(EditStep& step);
    void add(EditStep& step);
    void restore(const EditStep& step, bool before);
    void takeBaseline();

    EditTarget m_target;
    EditObserver* m_observer = nullptr;
    std::deque<EditStep> m_steps;
    std::size_t m_done = 0;
    EditStep m_next; // reused, so a step merged into the last one allocates nothing
    Wave m_shown {}; // the samples as the last step left them
    Wave m_now {}; // as the change handler last saw them
    std::uint32_t m_written = 0; // samples written since the last step, one bit each
    int m_line = 0;
    PatternTable m_table;
    std::uint64_t m_tableStamp = 0;
    int m_depth = 0;
    long m_gesture = kOwnStep;
    bool m_restoring = false;
};

} // namespace ondulix
