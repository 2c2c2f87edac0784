#include "files/csv_reader.h"

#include "files/text_lines.h"
#include "files/whole_file.h"

#include <algorithm>

namespace ondulix {

namespace {

Refusal refuse(std::int64_t line, std::string reason)
{
    return Refusal {std::move(reason), line};
}

std::optional<Refusal> checkLine(std::string_view line, std::int64_t number)
{
    if (line.find('\0') != std::string_view::npos)
        return refuse(number, "it holds a NUL byte, so this is not a text file");
    // Lines that end with a CR alone (old Mac files) would run together into one line, and
    // their numbers would land in the samples of line 1.
    if (line.find('\r') != std::string_view::npos)
        return refuse(number, "it holds a CR that ends no line; lines must end with CR LF or LF");
    if (number > kPatternLineCount && !line.empty())
        return refuse(number, "a pattern file holds only 32 lines, and this one is not empty");
    const auto fields = std::count(line.begin(), line.end(), ',') + 1;
    if (fields > kCsvFieldCount)
        return refuse(number,
            "it has " + std::to_string(fields) + " fields, and a pattern line has at most 33");
    return std::nullopt;
}

void storeLine(std::string_view line, int number, PatternTable& table)
{
    for (int field = 1;; ++field) {
        const std::size_t comma = line.find(',');
        table.setCell(number, field, std::string(line.substr(0, comma)));
        if (comma == std::string_view::npos)
            return;
        line.remove_prefix(comma + 1);
    }
}

} // namespace

CsvReadResult readCsv(std::string_view bytes, const PatternTable& old)
{
    // Lines are stored into a copy as they pass; the copy reaches the caller only when all have.
    PatternTable table = old;
    LineReader lines(bytes);
    std::int64_t number = 0;
    while (const auto line = lines.next()) {
        ++number;
        if (auto error = checkLine(*line, number))
            return *std::move(error);
        if (number <= kPatternLineCount)
            storeLine(*line, static_cast<int>(number), table);
    }
    return table;
}

CsvReadResult readCsvFile(const std::filesystem::path& path, const PatternTable& old)
{
    const WholeFile file = readWholeFile(path, kCsvFileSizeLimit);
    if (!file.bytes)
        return Refusal {file.failure};
    return readCsv(*file.bytes, old);
}

ReadResult<CsvFileRead> readCsvFileOnto(const std::filesystem::path& path, const PatternTable& old)
{
    const WholeFile file = readWholeFile(path, kCsvFileSizeLimit);
    if (!file.bytes)
        return Refusal {file.failure};
    CsvReadResult onto = readCsv(*file.bytes, old);
    if (const Refusal* refusal = refusalIn(onto))
        return *refusal;
    // The same bytes read again cannot be refused.
    return CsvFileRead {std::get<PatternTable>(std::move(onto)),
        std::get<PatternTable>(readCsv(*file.bytes, PatternTable {}))};
}

} // namespace ondulix
