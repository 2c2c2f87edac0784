// Reading text as a number, on any text: the value must be the one the reading rule gives,
// worked out here another way, and the forms the program writes must read back as that value.
#include "fuzz/fuzz_check.h"

#include "pattern/pattern_line.h"
#include "wave/number_text.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace ondulix;

namespace {

bool ignoredByReading(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDigitOf(char c, int radix)
{
    if (c >= '0' && c <= '9')
        return c - '0' < radix;
    return radix == 16 && ((c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'));
}

std::size_t digitsFrom(const std::string& text, std::size_t at, int radix)
{
    while (at < text.size() && isDigitOf(text[at], radix))
        ++at;
    return at;
}

// Octal digits as hexadecimal ones with the same bits, so that the C library can read them.
std::string octalAsHex(std::string_view octal)
{
    std::string bits;
    for (const char c : octal)
        for (int shift = 2; shift >= 0; --shift)
            bits += (((c - '0') >> shift) & 1) ? '1' : '0';
    bits.insert(0, (4 - bits.size() % 4) % 4, '0');
    std::string hex;
    for (std::size_t i = 0; i < bits.size(); i += 4)
        hex += "0123456789abcdef"[std::stoi(bits.substr(i, 4), nullptr, 2)];
    return hex;
}

// The value the reading rule gives, by another road: drop what reading ignores, keep the
// longest start of the rest that fits the rule, and let strtod read it (with "D" as "e", and
// the radix forms as C's hexadecimal form).
double referenceValue(std::string_view text)
{
    std::string kept;
    for (const char c : text)
        if (!ignoredByReading(c))
            kept += c;
    if (kept.rfind('&', 0) == 0) {
        if (kept.size() < 2
            || (kept[1] != 'H' && kept[1] != 'h' && kept[1] != 'O' && kept[1] != 'o'))
            return 0;
        const bool hex = kept[1] == 'H' || kept[1] == 'h';
        const std::string digits = kept.substr(2, digitsFrom(kept, 2, hex ? 16 : 8) - 2);
        return std::strtod(("0x0" + (hex ? digits : octalAsHex(digits))).c_str(), nullptr);
    }
    std::size_t end = 0;
    if (end < kept.size() && (kept[end] == '+' || kept[end] == '-'))
        ++end;
    end = digitsFrom(kept, end, 10);
    if (end < kept.size() && kept[end] == '.')
        end = digitsFrom(kept, end + 1, 10);
    std::string number = kept.substr(0, end);
    if (end < kept.size() && std::string_view("EeDd").find(kept[end]) != std::string_view::npos) {
        std::size_t exponentEnd = end + 1;
        if (exponentEnd < kept.size() && (kept[exponentEnd] == '+' || kept[exponentEnd] == '-'))
            ++exponentEnd;
        exponentEnd = digitsFrom(kept, exponentEnd, 10);
        number += "e" + kept.substr(end + 1, exponentEnd - end - 1);
    }
    return std::strtod(number.c_str(), nullptr);
}

// Equal up to the rounding of digit-by-digit reading of the radix forms; values beyond the
// double range are infinities, and values below the smallest normal double count as zero.
bool sameValue(double read, double reference)
{
    if (std::fabs(reference) < DBL_MIN)
        return std::fabs(read) < DBL_MIN;
    if (std::isinf(reference) || std::isinf(read))
        return std::signbit(read) == std::signbit(reference) && std::fabs(read) > DBL_MAX * 0.999
            && std::fabs(reference) > DBL_MAX * 0.999;
    return std::fabs(read - reference) <= 1e-12 * std::fabs(reference);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = readNumber(text);

    FUZZ_CHECK(!std::isnan(value));
    FUZZ_CHECK(sameValue(value, referenceValue(text)));

    // Paging makes a sample of any cell text, always within the sliders' range.
    const int sample = pagedSample(text);
    FUZZ_CHECK(sample >= kSampleMin && sample <= kSampleMax);
    // Whatever was read, infinities included, the text written for it reads back as a number.
    FUZZ_CHECK(std::isfinite(readNumber(generalForm(value))));
    if (std::isfinite(value)) {
        // The written forms carry 15 significant digits and read back as the same number.
        const double general = readNumber(generalForm(value));
        FUZZ_CHECK(sameValue(general, value));
        FUZZ_CHECK(
            std::fabs(general - value) <= 1e-14 * std::fabs(value) || std::fabs(value) < DBL_MIN);
        FUZZ_CHECK(readNumber(paddedForm(value)) == general);
        FUZZ_CHECK(generalForm(value).find_first_of(",\r\n\t") == std::string::npos);
    }
    return 0;
}
