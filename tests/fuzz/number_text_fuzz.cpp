// Reading text as a number, on any text: never NaN; a plain decimal reads as the C library reads
// it; a cell pages to a sample in range; and the written forms read back as the value.
#include "fuzz/fuzz_check.h"

#include "pattern/pattern_line.h"
#include "wave/number_text.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

using namespace ondulix;

// Equal to 12 digits; values below the smallest normal double count as zero.
static bool close(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-12 * std::fabs(b)
        || (std::fabs(a) < DBL_MIN && std::fabs(b) < DBL_MIN);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const double value = readNumber(text);
    FUZZ_CHECK(!std::isnan(value));
    static const std::regex plain("[+-]?[0-9]*\\.?[0-9]*([eE][+-]?[0-9]+)?");
    if (size < 40 && std::regex_match(text, plain))
        FUZZ_CHECK(close(value, std::strtod(text.c_str(), nullptr)));

    const int sample = pagedSample(text);
    FUZZ_CHECK(sample >= kSampleMin && sample <= kSampleMax);
    const double general = readNumber(generalForm(value));
    FUZZ_CHECK(std::isfinite(general));
    FUZZ_CHECK(!std::isfinite(value) || close(general, value));
    FUZZ_CHECK(readNumber(paddedForm(value)) == general);
    FUZZ_CHECK(generalForm(value).find_first_of(",\r\n\t") == std::string::npos);
    return 0;
}
