#include "app/editor/line_writer.h"

#include "app/editor/edit_history.h"
#include "pattern/pattern_line.h"

namespace ondulix {

LineWriter::LineWriter(
    PatternTable& table, LineSelector& lines, SampleSet& samples, EditHistory& history)
    : m_table(table)
    , m_lines(lines)
    , m_samples(samples)
    , m_history(history)
{ }

void LineWriter::writeLines(std::span<const LineWave> lines)
{
    EditHistory::Action step(m_history, EditHistory::Kind::Own);
    applyWrites(lines, m_table);
    if (writesLine(lines, m_lines.line()))
        loadLine(m_table, m_lines.line(), m_samples);
}

} // namespace ondulix
