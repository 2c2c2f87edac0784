#pragma once

#include <string>
#include <string_view>

// The two forms in which Ondulix writes numbers, and the one rule by which it reads them.
// All three use "." as the decimal separator whatever the user's locale says, because the
// texts travel between machines in CSV files and on the clipboard.
namespace ondulix {

// Shortest text of up to 15 significant digits: 0.5 -> "0.5", -0.25 -> "-0.25", 0 -> "0".
// Magnitudes below 1e-4 or from 1e15 on take an exponent: "1E-05", "1E+15". Every text written
// reads back as a number: magnitudes beyond 1.79769313486231E+308, infinities included, are
// written as that largest text, with their sign.
std::string generalForm(double value);

// The general form with the "0" before the point dropped and a blank where a plus sign
// would stand: 0.5 -> " .5", -0.25 -> "-.25", 0 -> " 0", 32 -> " 32".
std::string paddedForm(double value);

// Reads the number at the start of a text. Blanks, tabs and line feeds are skipped wherever
// they stand; then an optional sign, digits with at most one ".", and an optional exponent
// ("E" or "D", sign, digits), or "&H" with hexadecimal or "&O" with octal digits. Reading stops
// at the first character that does not fit, and a text without a number reads as 0.
// A magnitude beyond the double range reads as an infinity of its sign.
double readNumber(std::string_view text);

// Whether readNumber takes the whole text: blanks aside, nothing is left after the number, and
// the number has a digit. A text of blanks alone reads whole, as 0.
bool readsWhole(std::string_view text);

// Nearest integer, an exact half going to the even neighbour: 2.5 -> 2, 3.5 -> 4, -0.5 -> 0.
double roundHalfEven(double value);

// numerator / denominator (denominator > 0) rounded as roundHalfEven does, in whole numbers
// only, so that no real arithmetic can land a hair beside an exact half.
long long divideRoundHalfEven(long long numerator, long long denominator);

// roundHalfEven, then limited to lo..hi; NaN gives 0 (or the nearer end when 0 is outside).
// The limiting happens on the real value, so no out-of-range real reaches an integer cast.
int roundToIntIn(double value, int lo, int hi);

} // namespace ondulix
