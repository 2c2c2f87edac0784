#include "files/csv_writer.h"

#include "wave/number_text.h"
#include "wave/sample_set.h"

#include <cmath>

namespace ondulix {

namespace {

// A cell read as a number. A text beyond the double range reads as an infinity, which no
// reader could take back; it is written as a cell without a number is: " 0".
std::string cellField(const std::string& cell)
{
    const double value = readNumber(cell);
    return paddedForm(std::isfinite(value) ? value : 0.0);
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
