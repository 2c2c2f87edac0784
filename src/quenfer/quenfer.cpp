#include "quenfer/quenfer.h"

#include "files/csv_guesses.h"
#include "files/csv_reader.h"
#include "files/table_export.h"
#include "ondulix_version.h"
#include "quenfer/quenfer_options.h"

#include <ostream>

namespace ondulix {

namespace {

constexpr const char* kVersion = "quenfer " ONDULIX_VERSION " (Ondulix)\n";

std::string placeOf(const std::string& file, int line)
{
    return line > 0 ? file + ":" + std::to_string(line) : file;
}

ExportRequest requestOf(const QuenferCommandLine& command)
{
    return {command.format, command.chip, command.words, command.resampling, command.frames,
        command.line, command.everyLine, command.arrayName, command.input};
}

// Reads the pattern file and writes what it becomes; messages go to `err`.
int compile(const QuenferCommandLine& command, std::ostream& err)
{
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
    const TableExport made = exportTable(table, requestOf(command));
    if (const auto failure = writeTableExport(command.output, made, command.input)) {
        err << "quenfer: " << command.output << ": cannot write: " << *failure << '\n';
        return kQuenferRefused;
    }
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
    case QuenferAction::ShowTargets:
        out << targetsText();
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
