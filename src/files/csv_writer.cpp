#include "files/csv_writer.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

namespace ondulix {

namespace {

// A cell read as a number. A text beyond the double range reads as an infinity, which the
// padded form writes as the largest number it can: far beyond the sample range like the
// infinity, so the line pages in as before.
std::string cellField(const std::string& cell)
{
    return paddedForm(readNumber(cell));
}

} // namespace

std::string csvText(const PatternTable& table)
{
    std::string text;
    text.reserve(kPatternLineCount * (kSampleCount + 1) * 6);
    for (int line = 1; line <= kPatternLineCount; ++line) {
        text += paddedForm(line);
        for (int row = kFirstSampleRow; row < kFirstSampleRow + kSampleCount; ++row) {
            text += ',';
            text += cellField(table.cell(line, row));
        }
        text += "\r\n";
    }
    return text;
}

} // namespace ondulix
