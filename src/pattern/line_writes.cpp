#include "pattern/line_writes.h"

#include "pattern/line_waves.h"

#include <algorithm>

namespace ondulix {

Wave waveAsEdited(const PatternTable& table, const EditedLine& current, int line)
{
    return line == current.line ? current.wave : lineWave(table, line);
}

bool holdsSoundAsEdited(const PatternTable& table, const EditedLine& current, int line)
{
    const Wave wave = waveAsEdited(table, current, line);
    return std::any_of(wave.begin(), wave.end(), [](int sample) { return sample != 0; });
}

void applyWrites(std::span<const LineWrite> writes, PatternTable& table)
{
    for (const LineWrite& write : writes)
        storeWave(write.wave, write.line, table);
}

bool writesLine(std::span<const LineWrite> writes, int line)
{
    return std::any_of(writes.begin(), writes.end(),
        [line](const LineWrite& write) { return write.line == line; });
}

} // namespace ondulix
