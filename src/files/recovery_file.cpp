#include "files/recovery_file.h"

#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "files/text_lines.h"
#include "wave/number_text.h"

#include <array>
#include <cmath>

namespace ondulix {

namespace {

constexpr std::string_view kForm = "Ondulix recovery 1";
constexpr std::string_view kFormName = "Ondulix recovery ";
constexpr std::string_view kEnd = "end";
constexpr std::array<std::string_view, 4> kKeys {"written ", "line ", "sliders ", "file "};
constexpr int kHeaderLines = 1 + static_cast<int>(kKeys.size());

std::string slidersText(const Wave& sliders)
{
    std::string text;
    for (int i = 0; i < kSampleCount; ++i)
        text += (i == 0 ? "" : ",") + paddedForm(sliders[i] / 1000.0);
    return text;
}

// A sample as the CSV's value of it: a whole number of thousandths within full scale.
std::optional<int> sampleOf(std::string_view text)
{
    const double value = readNumber(text) * 1000;
    if (!readsWhole(text) || !(std::fabs(value) <= kSampleMax))
        return std::nullopt;
    const double rounded = std::round(value);
    if (std::fabs(value - rounded) > 1e-6)
        return std::nullopt;
    return static_cast<int>(rounded);
}

std::optional<Wave> slidersOf(std::string_view text)
{
    Wave wave {};
    for (int i = 0; i < kSampleCount; ++i) {
        const std::size_t comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == kSampleCount - 1))
            return std::nullopt;
        const auto sample = sampleOf(text.substr(0, comma));
        if (!sample)
            return std::nullopt;
        wave[i] = *sample;
        text.remove_prefix(comma == std::string_view::npos ? text.size() : comma + 1);
    }
    return wave;
}

std::optional<int> lineOf(std::string_view text)
{
    const double line = readNumber(text);
    if (!readsWhole(text) || line < 1 || line > kPatternLineCount || line != std::floor(line))
        return std::nullopt;
    return static_cast<int>(line);
}

// Each header line: its key, then its value; whether the value is sound.
bool takeHeader(int index, std::string_view value, KeptWork& work)
{
    switch (index) {
    case 0:
        work.written = std::string(value);
        return value.size() == 19;
    case 1: {
        const auto line = lineOf(value);
        work.line = line.value_or(0);
        return line.has_value();
    }
    case 2: {
        const auto sliders = slidersOf(value);
        work.sliders = sliders.value_or(Wave {});
        return sliders.has_value();
    }
    default:
        work.csvFileName = std::string(value);
        return true;
    }
}

} // namespace

std::string keptWorkText(const KeptWork& work)
{
    // A name that holds a line ending cannot stand on its line; the table is kept without it.
    const bool nameFits = work.csvFileName.find_first_of("\r\n") == std::string::npos;
    return std::string(kForm) + "\r\n" + std::string(kKeys[0]) + work.written + "\r\n"
        + std::string(kKeys[1]) + std::to_string(work.line) + "\r\n" + std::string(kKeys[2])
        + slidersText(work.sliders) + "\r\n" + std::string(kKeys[3])
        + (nameFits ? work.csvFileName : std::string()) + "\r\n" + csvText(work.table)
        + std::string(kEnd) + "\r\n";
}

ReadResult<KeptWork> readKeptWork(std::string_view text)
{
    LineReader lines(text);
    const auto first = lines.next();
    if (!first || first->substr(0, kFormName.size()) != kFormName)
        return Refusal {"this is not a recovery file of Ondulix", 1};
    if (*first != kForm)
        return Refusal {
            "it was written by another version of Ondulix, as \"" + std::string(*first) + "\"", 1};
    KeptWork work;
    for (int index = 0; index < static_cast<int>(kKeys.size()); ++index) {
        const auto line = lines.next();
        const std::string_view key = kKeys[static_cast<std::size_t>(index)];
        if (!line || line->substr(0, key.size()) != key
            || !takeHeader(index, line->substr(key.size()), work))
            return Refusal {"\"" + std::string(key) + "...\" was expected", index + 2};
    }
    // The table's 32 lines, and then the end, which a file cut short lacks.
    std::string table;
    for (int k = 0; k < kPatternLineCount; ++k) {
        const auto line = lines.next();
        if (!line || *line == kEnd)
            return Refusal {
                "the table is cut short after " + std::to_string(k) + " of its 32 lines",
                kHeaderLines + k + 1};
        table.append(*line).append("\r\n");
    }
    const auto end = lines.next();
    if (!end || *end != kEnd || lines.next())
        return Refusal {"the table's 32 lines were expected, then \"end\" and nothing more",
            kHeaderLines + kPatternLineCount + 1};
    CsvReadResult read = readCsv(table, PatternTable {});
    if (const Refusal* refusal = refusalIn(read))
        return Refusal {refusal->reason, kHeaderLines + refusal->line};
    work.table = std::get<PatternTable>(std::move(read));
    return work;
}

} // namespace ondulix
