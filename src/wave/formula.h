#pragma once

#include "wave/read_result.h"
#include "wave/sample_set.h"

#include <string>
#include <vector>

namespace ondulix {

// Waves written as a formula of the sample and the line, read by muParser. The names a formula
// may use:
//   x  the phase, i / 32          i  the sample, 0..31
//   t  0 at the first line of the range, 1 at its last (0 when the range is one line)
//   n  the line number, 1..32     pi, e
// Functions: muParser's own (sin, cos, tan, abs, sqrt, exp, log (natural), ln, log10, min, max,
// sign, rint, ...), and floor, sgn (as sign) and fmod; "%" is fmod as an operator, with the
// sign of its left side as in C. Comparisons give 1 or 0, and "c ? a : b" chooses.

enum class FormulaLevel
{
    Normalize, // each wave scaled so that its peak is 500; a wave of zeros stays zeros
    AsWritten, // 1.0 is 500; a value beyond +-1 refuses the formula
};

// What the formula dialog asks for. One wave is the range of its own line: From = To.
struct FormulaRequest
{
    std::string expression;
    int fromLine = 1;
    int toLine = 1;
    FormulaLevel level = FormulaLevel::Normalize;
};

// The waves of lines From..To in order, samples rounded half to even; or, when the formula
// cannot be read or gives a value it may not, the message that says what and where, and no
// wave at all.
using FormulaWaves = ReadResult<std::vector<Wave>>;

FormulaWaves evaluateFormula(const FormulaRequest& request);

} // namespace ondulix
