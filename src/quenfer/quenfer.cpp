#include "quenfer/quenfer.h"

#include "files/atomic_file.h"
#include "files/csv_reader.h"
#include "files/memory_image.h"
#include "files/wavetable_file.h"
#include "quenfer/quenfer_options.h"

#include <ostream>

namespace ondulix {

namespace {

constexpr const char* kVersion = "quenfer 0.0.5 (Ondulix)\n";

std::string placeOf(const std::string& file, int line)
{
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

// The bytes of the file asked for; only a wavetable WAV can fail to be made.
WavetableBytes outputBytes(const PatternTable& table, const QuenferCommandLine& command)
{
    if (command.wavetable)
        return wavetableBytes(table, *command.wavetable);
    return {memoryImageText(table, command.image), std::nullopt};
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

    const CsvReadResult read = readCsvFile(command.input, PatternTable {});
    if (const auto* error = std::get_if<CsvError>(&read)) {
        err << "quenfer: " << placeOf(command.input, error->line) << ": " << error->reason << '\n';
        return kQuenferRefused;
    }
    const WavetableBytes output = outputBytes(std::get<PatternTable>(read), command);
    if (output.failure) {
        err << "quenfer: " << command.output << ": cannot write: " << *output.failure << '\n';
        return kQuenferRefused;
    }
    if (const auto failure = writeFileAtomically(command.output, output.bytes)) {
        err << "quenfer: " << command.output << ": cannot write: " << *failure << '\n';
        return kQuenferRefused;
    }
    return kQuenferSuccess;
}

} // namespace ondulix
