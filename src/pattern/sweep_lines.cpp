#include "pattern/sweep_lines.h"

#include <algorithm>

namespace ondulix {

SweepLines sweepLines(const PatternTable& table, const EditedLine& current)
{
    SweepLines lines;
    for (int line = 1; line <= kPatternLineCount; ++line) {
        const Wave wave = waveAsEdited(table, current, line);
        if (std::all_of(wave.begin(), wave.end(), [](int sample) { return sample == 0; }))
            continue;
        lines.line[lines.count] = line;
        lines.wave[lines.count] = wave;
        ++lines.count;
    }
    return lines;
}

} // namespace ondulix
