#include "pattern/line_paging.h"

#include "pattern/pattern_line.h"

namespace ondulix {

void pageToSelectedLine(LineSelector& selector, const PatternTable& table, SampleSet& samples)
{
    // The wrap pages in the new line through a nested run. Each test reads the value afresh,
    // so one run wraps at most once; afterwards this run loads the same line again, which
    // finds every sample already in place and changes nothing.
    if (selector.line() == LineSelector::kAboveLastLine)
        selector.setLine(1);
    if (selector.line() == LineSelector::kBelowFirstLine)
        selector.setLine(kPatternLineCount);
    const int line = selector.line();
    selector.showLineNumber(line);
    loadLine(table, line, samples);
}

void pageToFirstLine(LineSelector& selector)
{
    selector.setLine(kPatternLineCount);
    selector.setLine(1);
}

} // namespace ondulix
