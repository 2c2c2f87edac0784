#pragma once

#include "pattern/pattern_table.h"
#include "wave/sample_set.h"

namespace ondulix {

// The line selector beside the line number. Lines are 1..32 at rest; the selector also
// reaches 0 below line 1 and 33 above line 32 for a moment, so that paging can wrap round.
class LineSelector
{
public:
    static constexpr int kBelowFirstLine = 0;
    static constexpr int kAboveLastLine = kPatternLineCount + 1;

    virtual ~LineSelector() = default;
    virtual int line() const = 0;
    // A new value runs paging again before this returns; the value already held runs nothing.
    virtual void setLine(int line) = 0;
    virtual void showLineNumber(int line) = 0;
};

// Paging, run after every change of the selector: wraps an end value round, shows the line
// number and loads the line into the sample set.
void pageToSelectedLine(LineSelector& selector, const PatternTable& table, SampleSet& samples);

// Shows line 1 of a table just read. Setting 32 first makes the second setting a change even
// when line 1 was already current, so line 1 of the new table is always paged in.
void pageToFirstLine(LineSelector& selector);

} // namespace ondulix
