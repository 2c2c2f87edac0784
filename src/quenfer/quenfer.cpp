#include "quenfer/quenfer.h"

#include "files/atomic_file.h"
#include "files/csv_reader.h"
#include "files/memory_image.h"
#include "quenfer/quenfer_options.h"

#include <ostream>

namespace ondulix {

namespace {

constexpr const char* kVersion = "quenfer 0.0.5 (Ondulix)\n";

std::string placeOf(const std::string& file, int line)
{
    return line > 0 ? file + ":" + std::to_string(line) : file;
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
    const std::string image = memoryImageText(std::get<PatternTable>(read), command.image);
    if (const auto failure = writeFileAtomically(command.output, image)) {
        err << "quenfer: " << command.output << ": cannot write: " << *failure << '\n';
        return kQuenferRefused;
    }
    return kQuenferSuccess;
}

} // namespace ondulix
