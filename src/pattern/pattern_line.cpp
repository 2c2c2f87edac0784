#include "pattern/pattern_line.h"

#include "pattern/line_waves.h"
#include "wave/number_text.h"

namespace ondulix {

void storeLine(const SampleSet& samples, int line, PatternTable& table)
{
    storeWave(readWave(samples), line, table);
}

void loadLine(const PatternTable& table, int line, SampleSet& samples)
{
    // Index order matters: each write redraws at once, and the readouts end on the last change.
    for (int i = 0; i < kSampleCount; ++i)
        samples.setSample(i, pagedSample(table.cell(line, kFirstSampleRow + i)));
}

int pagedSample(std::string_view cellText)
{
    // roundToIntIn limits the real value before any integer conversion, so "1e300" or "-1e999"
    // cannot reach a cast whose result C++ leaves undefined.
    return roundToIntIn(readNumber(cellText) * kSampleScale, kSampleMin, kSampleMax);
}

} // namespace ondulix
