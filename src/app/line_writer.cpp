#include "app/line_writer.h"

#include "app/edit_history.h"
#include "pattern/line_waves.h"
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
    const int current = m_lines.line();
    bool currentWritten = false;
    for (const LineWave& line : lines) {
        storeWave(line.wave, line.line, m_table);
        currentWritten = currentWritten || line.line == current;
    }
    if (currentWritten)
        loadLine(m_table, current, m_samples);
}

} // namespace ondulix
