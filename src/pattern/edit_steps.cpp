#include "pattern/edit_steps.h"

#include <algorithm>
#include <bit>

namespace ondulix {

namespace {

bool canMerge(const EditStep& earlier, const EditStep& later)
{
    return later.gesture != EditSteps::kOwnStep && later.gesture == earlier.gesture
        && !earlier.pages() && !later.pages();
}

// Each change of the later step lands on the same sample or cell of the earlier one, or joins
// the list; what ends where it started is no change any more. A step records only what
// changed, so a change that joins is never empty.
template <typename Change, typename Same>
void mergeChanges(std::vector<Change>& earlier, const std::vector<Change>& later, Same same)
{
    for (const Change& change : later) {
        auto mine = std::find_if(earlier.begin(), earlier.end(),
            [&](const Change& existing) { return same(existing, change); });
        if (mine == earlier.end()) {
            earlier.push_back(change);
            continue;
        }
        mine->after = change.after;
        if (mine->before == mine->after)
            earlier.erase(mine);
    }
}

void merge(EditStep& earlier, const EditStep& later)
{
    mergeChanges(earlier.samples, later.samples,
        [](const EditStep::Sample& a, const EditStep::Sample& b) { return a.index == b.index; });
    mergeChanges(earlier.cells, later.cells, [](const EditStep::Cell& a, const EditStep::Cell& b) {
        return a.column == b.column && a.row == b.row;
    });
}

} // namespace

EditSteps::Action::Action(EditSteps& steps, long gesture)
    : m_steps(steps)
{
    if (m_steps.m_depth++ == 0)
        m_steps.m_gesture = gesture;
}

EditSteps::Action::~Action()
{
    if (--m_steps.m_depth == 0)
        m_steps.record();
}

EditSteps::EditSteps(EditTarget target)
    : m_target(target)
{ }

void EditSteps::forget()
{
    m_steps.clear();
    m_done = 0;
    takeBaseline();
}

bool EditSteps::undo()
{
    if (m_done == 0)
        return false;
    --m_done;
    restore(m_steps[m_done], true);
    return true;
}

bool EditSteps::redo()
{
    if (m_done == m_steps.size())
        return false;
    restore(m_steps[m_done], false);
    ++m_done;
    return true;
}

void EditSteps::takeBaseline()
{
    m_shown = readWave(m_target.samples);
    m_now = m_shown;
    m_written = 0;
    m_line = m_target.lines.line();
    m_table = m_target.table;
    m_tableStamp = m_table.writeStamp();
}

void EditSteps::record()
{
    if (m_restoring)
        return;
    m_next.samples.clear();
    m_next.cells.clear();
    m_next.gesture = m_gesture;
    m_next.lineBefore = m_line;
    m_next.lineAfter = m_target.lines.line();
    m_line = m_next.lineAfter;
    collectSamples(m_next);
    collectCells(m_next);
    const bool tableWritten = !m_next.cells.empty();
    if (!m_next.isEmpty())
        add(m_next);
    if (m_observer)
        m_observer->actionEnded(tableWritten);
}

// In index order, as paging and the transforms write them.
void EditSteps::collectSamples(EditStep& step)
{
    std::uint32_t written = step.pages() ? ~0u : m_written;
    m_written = 0;
    while (written != 0) {
        const int i = std::countr_zero(written);
        written &= written - 1;
        if (step.pages() || m_now[i] != m_shown[i])
            step.samples.push_back({i, m_shown[i], m_now[i]});
        m_shown[i] = m_now[i];
    }
}

// Most actions write no cell: the stamp spares them the comparison of the whole table.
void EditSteps::collectCells(EditStep& step)
{
    if (m_target.table.writeStamp() == m_tableStamp)
        return;
    for (int column = 0; column < PatternTable::kColumns; ++column) {
        for (int row = 0; row < PatternTable::kRows; ++row) {
            const std::string& now = m_target.table.cell(column, row);
            if (now != m_table.cell(column, row)) {
                step.cells.push_back({column, row, m_table.cell(column, row), now});
                m_table.setCell(column, row, now);
            }
        }
    }
    m_tableStamp = m_target.table.writeStamp();
}

void EditSteps::add(EditStep& step)
{
    // A new action replaces the steps undone before it.
    if (m_done < m_steps.size())
        m_steps.erase(m_steps.begin() + static_cast<std::ptrdiff_t>(m_done), m_steps.end());
    if (m_done > 0 && canMerge(m_steps.back(), step)) {
        merge(m_steps.back(), step);
        if (m_steps.back().isEmpty()) {
            m_steps.pop_back();
            --m_done;
        }
        return;
    }
    m_steps.push_back(std::move(step));
    ++m_done;
    if (m_steps.size() > static_cast<std::size_t>(kStepLimit)) {
        m_steps.pop_front();
        --m_done;
    }
}

void EditSteps::restore(const EditStep& step, bool before)
{
    m_restoring = true;
    for (const EditStep::Cell& cell : step.cells)
        m_target.table.setCell(cell.column, cell.row, before ? cell.before : cell.after);
    if (step.pages())
        m_target.lines.setLine(before ? step.lineBefore : step.lineAfter);
    for (const EditStep::Sample& sample : step.samples)
        m_target.samples.setSample(sample.index, before ? sample.before : sample.after);
    m_restoring = false;
    takeBaseline();
    if (m_observer)
        m_observer->actionEnded(!step.cells.empty());
}

} // namespace ondulix
