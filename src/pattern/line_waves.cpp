#include "pattern/line_waves.h"

#include "pattern/pattern_line.h"
#include "wave/number_text.h"

#include <algorithm>

namespace ondulix {

Wave lineWave(const PatternTable& table, int line)
{
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i)
        wave[i] = pagedSample(table.cell(line, kFirstSampleRow + i));
    return wave;
}

void storeWave(const Wave& wave, int line, PatternTable& table)
{
    for (int i = 0; i < kSampleCount; ++i)
        table.setCell(line, kFirstSampleRow + i, generalForm(wave[i] / kSampleScale));
}

bool holdsSound(const PatternTable& table, int line)
{
    const Wave wave = lineWave(table, line);
    return std::any_of(wave.begin(), wave.end(), [](int sample) { return sample != 0; });
}

int lastLineWithSound(const PatternTable& table)
{
    for (int line = kPatternLineCount; line >= 1; --line) {
        if (holdsSound(table, line))
            return line;
    }
    return 0;
}

} // namespace ondulix
