#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace ondulix {

// The points at which a formula is evaluated: every sample of every line of a range, line after
// line, each with the formula's variables x, i, t and n.
struct FormulaPoints
{
    FormulaPoints(int fromLine, int toLine);

    std::vector<double> x;
    std::vector<double> i;
    std::vector<double> t;
    std::vector<double> n;
};

// The formula read once and evaluated at every point: the values in the points' order, or the
// message that says what cannot be read and at which character (counted from 1).
std::variant<std::vector<double>, std::string> evaluateAtPoints(
    std::string_view expression, FormulaPoints& points);

} // namespace ondulix
