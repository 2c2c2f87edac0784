#include "quenfer/quenfer.h"

#include "files/atomic_file.h"
#include "files/csv_guesses.h"
#include "files/csv_reader.h"
#include "files/memory_image.h"
#include "files/tracker_wave_file.h"
#include "files/wavetable_file.h"
#include "files/word_array.h"
#include "ondulix_version.h"
#include "pattern/line_waves.h"
#include "quenfer/quenfer_options.h"

#include <ostream>

namespace ondulix {

namespace {

constexpr const char* kVersion = "quenfer " ONDULIX_VERSION " (Ondulix)\n";

std::string placeOf(const std::string& file, int line)
{
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

WavetableBytes made(std::string bytes)
{
    return {std::move(bytes), std::nullopt};
}

// The bytes of the file asked for; only a wavetable can fail to be made.
WavetableBytes outputBytes(const PatternTable& table, const QuenferCommandLine& command)
{
    const WordFormat& words = command.words;
    switch (command.format) {
    case OutputFormat::Readmemh:
        return made(memoryImageText(table, words, MemoryFormat::Readmemh, command.input));
    case OutputFormat::Readmemb:
        return made(memoryImageText(table, words, MemoryFormat::Readmemb, command.input));
    case OutputFormat::Mif:
        return made(memoryImageText(table, words, MemoryFormat::Mif, command.input));
    case OutputFormat::Coe:
        return made(memoryImageText(table, words, MemoryFormat::Coe, command.input));
    case OutputFormat::CHeader:
        return made(cHeaderText(table, words, command.arrayName, command.input));
    case OutputFormat::IntelHex:
        return made(intelHexText(table, words));
    case OutputFormat::Wav:
        return wavetableBytes(table, WavetableFormat::Wav, command.frames);
    case OutputFormat::SurgeWt:
        return wavetableBytes(table, WavetableFormat::SurgeWt, command.frames);
    case OutputFormat::FurnaceWave:
    case OutputFormat::DefleMaskWave:
        return made(trackerWaveFileBytes(lineWave(table, command.line), words.bits,
            command.format == OutputFormat::FurnaceWave ? TrackerWaveFormat::Furnace
                                                        : TrackerWaveFormat::DefleMask));
    }
    return {{}, "unknown output format"};
}

// Reads the pattern file and writes what it becomes; messages go to `err`.
int compile(const QuenferCommandLine& command, std::ostream& err)
{
    const auto cannotWrite = [&](const std::string& reason) {
        err << "quenfer: " << command.output << ": cannot write: " << reason << '\n';
        return kQuenferRefused;
    };
    // Replacing the input would destroy the very file the image is made from.
    if (isSameFile(command.input, command.output))
        return cannotWrite("it is the input file " + command.input);
    const CsvReadResult read = readCsvFile(command.input, PatternTable {});
    if (const Refusal* error = refusalIn(read)) {
        err << "quenfer: " << placeOf(command.input, error->line) << ": " << error->reason << '\n';
        return kQuenferRefused;
    }
    const PatternTable& table = std::get<PatternTable>(read);
    // A spreadsheet's whole numbers, header row or decimal commas compile into nonsense without
    // a word: say where the reading had to guess.
    const CsvGuesses guesses = csvGuesses(table);
    for (const std::string& guess : guessLines(guesses))
        err << "quenfer: " << command.input << ": " << guess << '\n';
    if (command.strict && guesses.count > 0) {
        err << "quenfer: " << command.input << ": not compiled: --strict refuses a file whose "
            << "fields had to be guessed\n";
        return kQuenferRefused;
    }
    const WavetableBytes output = outputBytes(table, command);
    if (output.failure)
        return cannotWrite(*output.failure);
    if (const auto failure = writeFileAtomically(command.output, output.bytes))
        return cannotWrite(*failure);
    return kQuenferSuccess;
}

} // namespace

int runQuenfer(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    const QuenferCommandLine command = parseQuenferArguments(arguments);
    switch (command.action) {
    case QuenferAction::ShowHelp:
        out << quenferUsage();
        return kQuenferSuccess;
    case QuenferAction::ShowVersion:
        out << kVersion;
        return kQuenferSuccess;
    case QuenferAction::RefuseUsage:
        err << "quenfer: " << command.problem << '\n' << quenferUsage();
        return kQuenferUsage;
    case QuenferAction::Compile:
        break;
    }
    return compile(command, err);
}

} // namespace ondulix
