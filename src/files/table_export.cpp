#include "files/table_export.h"

#include "files/atomic_file.h"
#include "files/chip_words.h"
#include "files/hdl_text.h"
#include "files/memory_image.h"
#include "files/synth_banks.h"
#include "files/tracker_wave_file.h"
#include "files/wavetable_file.h"
#include "pattern/line_waves.h"

#include <system_error>

namespace ondulix {

namespace {

using enum OutputFormat;

TableExport one(std::string bytes)
{
    return {{{{}, std::move(bytes)}}, std::nullopt};
}

TableExport refused(std::string reason)
{
    return {{}, std::move(reason)};
}

std::string textOf(const WordImage& image, const ExportRequest& request)
{
    const std::string& source = request.sourceName;
    switch (request.format) {
    case Readmemh:
        return memoryImageText(image, MemoryFormat::Readmemh, source);
    case Readmemb:
        return memoryImageText(image, MemoryFormat::Readmemb, source);
    case Mif:
        return memoryImageText(image, MemoryFormat::Mif, source);
    case Coe:
        return memoryImageText(image, MemoryFormat::Coe, source);
    case CHeader:
        return cHeaderText(image, request.arrayName, source);
    case IntelHex:
        return intelHexText(image);
    case Vhdl:
        return vhdlPackageText(image, source);
    case Verilog:
        return verilogRomText(image, source);
    case Srec:
        return sRecordText(image);
    default:
        return arrayBytes(image);
    }
}

TrackerWaveFormat trackerFormat(OutputFormat format)
{
    return format == FurnaceWave ? TrackerWaveFormat::Furnace : TrackerWaveFormat::DefleMask;
}

std::string trackerWave(const PatternTable& table, const ExportRequest& request, int line)
{
    if (!request.chip)
        return trackerWaveFileBytes(
            lineWave(table, line), request.words.bits, trackerFormat(request.format));
    const ExportTarget& chip = *request.chip;
    return trackerWaveFileBytes(chipLevels(table, chip, line, line, request.resampling),
        (1 << chip.bits) - 1, trackerFormat(request.format));
}

TableExport everyLine(const PatternTable& table, const ExportRequest& request, int lines)
{
    TableExport made;
    for (int line = 1; line <= lines; ++line)
        made.files.push_back(
            {lineFileName(line, request.format), trackerWave(table, request, line)});
    return made;
}

// The pattern file's name without its folder and ending, as an instrument or a table is named.
std::string tableName(const std::string& sourceName)
{
    const std::string stem = std::filesystem::path(sourceName).stem().string();
    return stem.empty() ? "Ondulix" : stem;
}

// The formats that hold the lines up to the last that holds a sound.
TableExport soundingLines(const PatternTable& table, const ExportRequest& request, int lines)
{
    const Resampling how = request.resampling;
    switch (request.format) {
    case Wav:
    case SurgeWt: {
        const auto kind = request.format == Wav ? WavetableFormat::Wav : WavetableFormat::SurgeWt;
        WavetableBytes wavetable = wavetableBytes(table, kind, lines, how);
        return wavetable.failure ? refused(*wavetable.failure) : one(std::move(wavetable.bytes));
    }
    case WaveEdit:
        return one(waveEditBankBytes(table, lines, how));
    case VitalTable:
        return one(vitalTableText(table, lines, how, tableName(request.sourceName)));
    case FamiTrackerInstrument:
        return one(
            famiTrackerN163Bytes(chipLevels(table, targetOf(FamiTrackerInstrument), 1, lines, how),
                lines, tableName(request.sourceName)));
    case FurnaceWave:
    case DefleMaskWave:
        return everyLine(table, request, lines);
    default:
        return one(textOf(chipImage(table, *request.chip, lines, how), request));
    }
}

} // namespace

std::string lineFileName(int line, OutputFormat format)
{
    return std::string(line < 10 ? "line0" : "line") + std::to_string(line) + "."
        + std::string(formatNamed(format).suffix);
}

TableExport exportTable(const PatternTable& table, const ExportRequest& request)
{
    const bool allLines = request.everyLine || (request.chip && isMemoryFormat(request.format))
        || !(isMemoryFormat(request.format) || isTrackerWave(request.format));
    if (!allLines) {
        if (isTrackerWave(request.format))
            return one(trackerWave(table, request, request.line));
        return one(textOf(wordImage(table, request.words), request));
    }
    const int lines = request.frames != 0 ? request.frames : soundingFrames(table);
    if (lines == 0)
        return refused(kNoSoundRefusal);
    return soundingLines(table, request, lines);
}

std::optional<std::string> writeTableExport(const std::filesystem::path& output,
    const TableExport& made, const std::filesystem::path& input)
{
    if (made.failure)
        return made.failure;
    const bool intoFolder = !made.files.empty() && !made.files.front().name.empty();
    std::error_code error;
    if (intoFolder && !std::filesystem::is_directory(output, error)) {
        if (std::filesystem::exists(output, error))
            return "it is a file, not a folder";
        if (!std::filesystem::create_directories(output, error) && error)
            return error.message();
    }
    for (const ExportedFile& file : made.files) {
        const std::filesystem::path path = intoFolder ? output / file.name : output;
        // Replacing the input would destroy the very file the export is made from.
        if (isSameFile(input, path))
            return (intoFolder ? file.name + " is the input file " : "it is the input file ")
                + input.string();
        if (const auto failure = writeFileAtomically(path, file.bytes))
            return intoFolder ? file.name + ": " + *failure : *failure;
    }
    return std::nullopt;
}

} // namespace ondulix
