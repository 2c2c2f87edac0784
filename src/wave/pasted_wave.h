#pragma once

#include "wave/read_result.h"
#include "wave/sample_set.h"

#include <string>
#include <string_view>
#include <vector>

namespace ondulix {

// What a paste reads from a text: the 32 samples, or the message that tells the user what was
// expected and what was found. A refused text changes nothing, and a value out of range is
// refused, never clamped: a person typed it and can mend it.
using PastedWave = ReadResult<Wave>;

// The text cut at runs of tabs, commas, semicolons, blanks, CRs and line feeds; separators
// before the first field and after the last make no empty field.
std::vector<std::string_view> pasteFields(std::string_view text);

// Whether a field is a plain decimal number: a sign, digits with at most one ".", at least one
// digit, and an exponent ("E" or "e", sign, digits).
bool isPlainNumber(std::string_view field);

// The forms a paste takes:
// - the program's own clipboard text: "ABC" and 32 values of sample / 1000;
// - 32 numbers: on the clipboard's scale (-0.5..0.5) when any of them holds a "." or an
//   exponent, otherwise whole sample values (-500..500);
// - 33 numbers whose first is a line number 1..32: one line of a pattern file. The number is
//   dropped and the 32 values are on the clipboard's scale.
// Values on the clipboard's scale become samples as Open CSV pages them in: x 1000, rounded
// half to even.
PastedWave readPastedWave(std::string_view text);

// The refusals, shared with the tracker form: "32 numbers were expected; 31 were found." and
// "A number was expected as value 3; "x" was found." (index 0-based, shown 1-based). A long
// field is quoted cut short.
std::string countMessage(std::size_t found);
std::string valueMessage(std::string_view expected, std::string_view field, std::size_t index);
std::string quotedField(std::string_view field);

} // namespace ondulix
