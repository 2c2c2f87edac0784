// Reading text as a number, on any text: never NaN; a plain decimal reads as the C library reads
// it; a cell pages to a sample in range; and the written forms read back as the value.
// The same text as a paste, which comes from the clipboard, anyone's text: an accepted wave lies
// within -500..500 and the program's own text of it (the clipboard text, or the tracker form
// at its depth) reads back as the same wave; a refused one says why.
#include "fuzz/fuzz_check.h"

#include "pattern/clipboard_text.h"
#include "pattern/pattern_line.h"
#include "unit/array_sample_set.h"
#include "wave/number_text.h"
#include "wave/pasted_wave.h"
#include "wave/tracker_wave.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <regex>
#include <string>

using namespace ondulix;
using ondulix::testing::ArraySampleSet;

// Equal to 12 digits; values below the smallest normal double count as zero.
static bool close(double a, double b)
{
    return a == b || std::fabs(a - b) <= 1e-12 * std::fabs(b)
        || (std::fabs(a) < DBL_MIN && std::fabs(b) < DBL_MIN);
}

static bool inRange(const Wave& wave)
{
    return std::all_of(wave.begin(), wave.end(),
        [](int sample) { return sample >= kSampleMin && sample <= kSampleMax; });
}

static void checkPastes(const std::string& text)
{
    const PastedWave pasted = readPastedWave(text);
    if (const auto* wave = std::get_if<Wave>(&pasted)) {
        FUZZ_CHECK(inRange(*wave));
        const PastedWave copied = readPastedWave(clipboardText(ArraySampleSet(*wave)));
        FUZZ_CHECK(std::holds_alternative<Wave>(copied) && std::get<Wave>(copied) == *wave);
    } else {
        FUZZ_CHECK(!std::get<Refusal>(pasted).reason.empty());
    }
    for (const int bits : kTrackerDepths) {
        const PastedWave tracker = readTrackerWave(text, bits);
        if (const auto* wave = std::get_if<Wave>(&tracker)) {
            FUZZ_CHECK(inRange(*wave));
            const PastedWave again = readTrackerWave(trackerText(*wave, bits), bits);
            FUZZ_CHECK(std::holds_alternative<Wave>(again) && std::get<Wave>(again) == *wave);
        } else {
            FUZZ_CHECK(!std::get<Refusal>(tracker).reason.empty());
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    checkPastes(text);
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
