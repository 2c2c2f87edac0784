#include "wave/formula_parser.h"

#include "wave/sample_set.h"

#include <cmath>
#include <muParser.h>
#include <numbers>
#include <optional>

namespace ondulix {

namespace {

// muParser has sign, but neither floor nor a modulo, and its own constants are _pi and _e,
// names nobody types.
double floorOf(double value)
{
    return std::floor(value);
}

double remainderOf(double dividend, double divisor)
{
    return std::fmod(dividend, divisor);
}

double signOf(double value)
{
    return value > 0.0 ? 1.0 : value < 0.0 ? -1.0 : 0.0;
}

// The variables at the point being evaluated; muParser reads them through their addresses.
struct PointVariables
{
    double x = 0.0;
    double i = 0.0;
    double t = 0.0;
    double n = 0.0;
};

void defineNames(mu::Parser& parser, PointVariables& point)
{
    parser.DefineVar("x", &point.x);
    parser.DefineVar("i", &point.i);
    parser.DefineVar("t", &point.t);
    parser.DefineVar("n", &point.n);
    parser.DefineConst("pi", std::numbers::pi);
    parser.DefineConst("e", std::numbers::e);
    parser.DefineFun("floor", floorOf);
    parser.DefineFun("fmod", remainderOf);
    parser.DefineFun("sgn", signOf);
    parser.DefineOprt("%", remainderOf, mu::prMUL_DIV, mu::oaLEFT, true);
}

// muParser counts bytes from 0; the user counts characters from 1.
int characterNumber(std::string_view expression, int byteIndex)
{
    int characters = 1;
    for (int at = 0; at < byteIndex && at < static_cast<int>(expression.size()); ++at) {
        if ((static_cast<unsigned char>(expression[at]) & 0xC0) != 0x80)
            ++characters;
    }
    return characters;
}

std::string at(std::string_view expression, int byteIndex)
{
    if (byteIndex < 0 || byteIndex >= static_cast<int>(expression.size()))
        return ".";
    return " at character " + std::to_string(characterNumber(expression, byteIndex)) + ".";
}

bool startsAName(std::string_view token)
{
    const char c = token.empty() ? ' ' : token.front();
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// A token muParser cannot place runs on to the end of the formula: the word at its start is
// what the user needs to see.
std::string quoted(const std::string& token)
{
    return "\"" + token.substr(0, token.find(' ')) + "\"";
}

std::string refusalOf(const mu::ParserError& error, std::string_view expression)
{
    const std::string token = error.GetToken();
    const std::string where = at(expression, error.GetPos());
    switch (error.GetCode()) {
    case mu::ecUNASSIGNABLE_TOKEN:
        return (startsAName(token) ? "Unknown name " : "Unexpected ") + quoted(token) + where;
    case mu::ecUNEXPECTED_OPERATOR:
    case mu::ecUNEXPECTED_ARG_SEP:
    case mu::ecUNEXPECTED_ARG:
    case mu::ecUNEXPECTED_VAL:
    case mu::ecUNEXPECTED_VAR:
    case mu::ecUNEXPECTED_PARENS:
    case mu::ecUNEXPECTED_FUN:
    case mu::ecUNEXPECTED_CONDITIONAL:
        return "Unexpected " + quoted(token) + where;
    case mu::ecMISPLACED_COLON:
        return "Unexpected \":\"" + where;
    case mu::ecUNEXPECTED_EOF:
        return "The formula ends too early.";
    case mu::ecMISSING_PARENS:
        return "A closing parenthesis is missing.";
    case mu::ecMISSING_ELSE_CLAUSE:
        return "A \"?\" has no \":\" to go with it.";
    case mu::ecTOO_MANY_PARAMS:
        return "Too many values for " + quoted(token) + where;
    case mu::ecTOO_FEW_PARAMS:
        return "Too few values for " + quoted(token) + where;
    case mu::ecUNEXPECTED_STR:
    case mu::ecSTR_RESULT:
    case mu::ecUNTERMINATED_STRING:
    case mu::ecOPRT_TYPE_CONFLICT:
    case mu::ecVAL_EXPECTED:
        return "A formula holds no text in quotes.";
    case mu::ecEXPRESSION_TOO_LONG:
        return "The formula is too long: it has " + std::to_string(expression.size())
            + " characters, and " + std::to_string(mu::MaxLenExpression) + " is the most.";
    case mu::ecEMPTY_EXPRESSION:
        return "The formula is empty.";
    default:
        return error.GetMsg();
    }
}

// muParser would take "x = 3" (and "+=" and the like) as writing into a variable: a formula
// computes a value and writes nothing, so a lone "=" is refused, not run. And it reads only up
// to a NUL byte, which would drop the rest of the formula unseen.
std::optional<std::string> textRefusal(std::string_view expression)
{
    for (std::size_t k = 0; k < expression.size(); ++k) {
        if (expression[k] == '\0')
            return "Unexpected NUL character" + at(expression, static_cast<int>(k));
        if (expression[k] != '=')
            continue;
        const char before = k > 0 ? expression[k - 1] : ' ';
        const char after = k + 1 < expression.size() ? expression[k + 1] : ' ';
        if (after == '=' || before == '=' || before == '<' || before == '>' || before == '!')
            continue;
        return "Unexpected \"=\"" + at(expression, static_cast<int>(k))
            + " To compare, write \"==\".";
    }
    return std::nullopt;
}

// "1, 2" reads as two formulas whose last would win unseen.
std::string severalValuesRefusal(std::string_view expression)
{
    int depth = 0;
    for (std::size_t k = 0; k < expression.size(); ++k) {
        depth += expression[k] == '(' ? 1 : expression[k] == ')' ? -1 : 0;
        if (expression[k] == ',' && depth == 0)
            return "Unexpected \",\"" + at(expression, static_cast<int>(k))
                + " A formula gives one value.";
    }
    return "A formula gives one value.";
}

} // namespace

ReadResult<std::vector<double>> formulaValues(std::string_view expression, int fromLine, int toLine)
{
    if (auto refusal = textRefusal(expression))
        return *std::move(refusal);
    std::vector<double> values;
    PointVariables point;
    try {
        mu::Parser parser;
        defineNames(parser, point);
        parser.SetExpr(std::string(expression));
        parser.Eval(); // reads the formula, so that a fault in it is reported before any value
        if (parser.GetNumResults() != 1)
            return severalValuesRefusal(expression);
        const int lastStep = toLine - fromLine;
        for (int line = fromLine; line <= toLine; ++line) {
            point.n = line;
            point.t = lastStep > 0 ? static_cast<double>(line - fromLine) / lastStep : 0.0;
            for (int index = 0; index < kSampleCount; ++index) {
                point.i = index;
                point.x = static_cast<double>(index) / kSampleCount;
                values.push_back(parser.Eval());
            }
        }
    } catch (const mu::ParserError& error) {
        return refusalOf(error, expression);
    }
    return values;
}

} // namespace ondulix
