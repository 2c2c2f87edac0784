#include "wave/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

namespace ondulix {

namespace {

constexpr int kSignificantDigits = 15;

bool isSkipped(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int hexDigitValue(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

int octalDigitValue(char c)
{
    return (c >= '0' && c <= '7') ? c - '0' : -1;
}

// Walks a text character by character, passing over the characters that reading ignores.
class Cursor
{
public:
    explicit Cursor(std::string_view text)
        : m_text(text)
    {
        skip();
    }

    bool sawDigit = false; // whether the number read has a digit

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool blank() const { return m_text.find_first_not_of(" \t\n") == std::string_view::npos; }
    char peek() const { return atEnd() ? '\0' : m_text[m_pos]; }
    void advance()
    {
        ++m_pos;
        skip();
    }

private:
    void skip()
    {
        while (!atEnd() && isSkipped(m_text[m_pos]))
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

double readRadix(Cursor& cursor, int radix, int (*digitValue)(char))
{
    double value = 0;
    for (; digitValue(cursor.peek()) >= 0; cursor.advance()) {
        value = value * radix + digitValue(cursor.peek());
        cursor.sawDigit = true;
    }
    return value;
}

// Exponents far beyond the double range all mean the same: saturate instead of overflowing.
// The cap lies far beyond any count of digits a text can hold, so that an exponent and the
// place of the digits still add up when a field of a million digits offsets the exponent.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// Reads an optional sign; true for a minus.
bool readSign(Cursor& cursor)
{
    const char c = cursor.peek();
    if (c != '+' && c != '-')
        return false;
    cursor.advance();
    return c == '-';
}

// Significant digits without leading zeros, and where the point stands among them: the value
// is 0.<digits> x 10^pointShift.
struct Mantissa
{
    std::string digits;
    std::int64_t pointShift = 0;
};

Mantissa readMantissa(Cursor& cursor)
{
    Mantissa mantissa;
    bool seenPoint = false;
    for (;; cursor.advance()) {
        const char c = cursor.peek();
        if (c == '.' && !seenPoint) {
            seenPoint = true;
        } else if (!isDigit(c)) {
            return mantissa;
        } else if (mantissa.digits.empty() && c == '0') {
            cursor.sawDigit = true;
            mantissa.pointShift -= seenPoint ? 1 : 0;
        } else {
            cursor.sawDigit = true;
            mantissa.digits.push_back(c);
            mantissa.pointShift += seenPoint ? 0 : 1;
        }
    }
}

// "E", "e", "D" or "d", a sign and digits; 0 when there is no exponent marker.
std::int64_t readExponent(Cursor& cursor)
{
    const char marker = cursor.peek();
    if (marker != 'E' && marker != 'e' && marker != 'D' && marker != 'd')
        return 0;
    cursor.advance();
    const bool negative = readSign(cursor);
    std::int64_t exponent = 0;
    for (; isDigit(cursor.peek()); cursor.advance())
        exponent = std::min(exponent * 10 + (cursor.peek() - '0'), kExponentCap);
    return negative ? -exponent : exponent;
}

double readDecimal(Cursor& cursor)
{
    const bool negative = readSign(cursor);
    const Mantissa mantissa = readMantissa(cursor);
    const std::int64_t exponent = readExponent(cursor);
    if (mantissa.digits.empty())
        return 0.0;

    const std::int64_t decimalExponent = mantissa.pointShift + exponent;
    const std::string text = "0." + mantissa.digits + "e" + std::to_string(decimalExponent);
    double magnitude = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = decimalExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -magnitude : magnitude;
}

double readNumberAt(Cursor& cursor)
{
    if (cursor.peek() == '&') {
        cursor.advance();
        const char prefix = cursor.peek();
        if (prefix == 'H' || prefix == 'h') {
            cursor.advance();
            return readRadix(cursor, 16, hexDigitValue);
        }
        if (prefix == 'O' || prefix == 'o') {
            cursor.advance();
            return readRadix(cursor, 8, octalDigitValue);
        }
        return 0.0;
    }
    return readDecimal(cursor);
}

} // namespace

std::string generalForm(double value)
{
    if (value == 0)
        return "0"; // also for -0, which must not show a sign
    // Above this, 15 digits round up past the largest double and the text would read back as an
    // infinity; infinities themselves have no text that reads back.
    constexpr double kLargestWritable = 1.79769313486231e308;
    if (!(std::fabs(value) <= kLargestWritable) && !std::isnan(value))
        value = std::copysign(kLargestWritable, value);
    char buffer[64];
    const auto result = std::to_chars(
        buffer, buffer + sizeof buffer, value, std::chars_format::general, kSignificantDigits);
    std::string text(buffer, result.ptr);
    // Exponents are written the way users of spreadsheets know them: "1E-05", "1E+15".
    if (const auto e = text.find('e'); e != std::string::npos)
        text[e] = 'E';
    return text;
}

std::string paddedForm(double value)
{
    std::string text = generalForm(value);
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    else if (text.rfind("-0.", 0) == 0)
        text.erase(1, 1);
    if (text.front() != '-')
        text.insert(text.begin(), ' ');
    return text;
}

double readNumber(std::string_view text)
{
    Cursor cursor(text);
    return readNumberAt(cursor);
}

bool readsWhole(std::string_view text)
{
    Cursor cursor(text);
    readNumberAt(cursor);
    return cursor.blank() || (cursor.atEnd() && cursor.sawDigit);
}

double roundHalfEven(double value)
{
    const double rounded = std::round(value); // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return rounded;
}

int roundToIntIn(double value, int lo, int hi)
{
    if (std::isnan(value))
        return std::clamp(0, lo, hi);
    const double rounded = roundHalfEven(value);
    if (rounded <= lo)
        return lo;
    if (rounded >= hi)
        return hi;
    return static_cast<int>(rounded);
}

long long divideRoundHalfEven(long long numerator, long long denominator)
{
    long long quotient = numerator / denominator;
    long long remainder = numerator % denominator;
    if (remainder < 0) { // C++ truncates towards zero; step down to the floor
        --quotient;
        remainder += denominator;
    }
    if (2 * remainder > denominator || (2 * remainder == denominator && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

} // namespace ondulix
