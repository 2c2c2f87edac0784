#pragma once

#include "wave/read_result.h"

#include <string>
#include <string_view>
#include <vector>

namespace ondulix {

// The formula read once, then evaluated at every sample of lines From..To (From <= To), line
// after line: x = i / 32, i the sample index, t from 0 at From to 1 at To (0 for one line), n
// the line. The values in that order, or the message that says what cannot be read and at which
// character (counted from 1).
//
// One point at a time, not muParser's bulk mode: Debian builds that on OpenMP, whose threads
// cost far more than 1024 points do and go on spinning after it.
ReadResult<std::vector<double>> formulaValues(
    std::string_view expression, int fromLine, int toLine);

} // namespace ondulix
