#pragma once

#include "app/window/file_services.h"

#include <QString>
#include <filesystem>
#include <optional>

namespace ondulix {

// "Configure Quenfer path": asks for the compiler and stores its path in the settings file of
// the start-up directory. Returns the chosen path, nothing on a cancel. When the file cannot
// be written the path still serves this run, and the user is told that it was not kept.
std::optional<QString> configureCompiler(
    FileServices& services, const std::filesystem::path& startupDirectory);

// The last start of the compiler, kept by the window as the design's window state.
struct CompileRun
{
    QString csvFile;
    QString memFile;
    QString commandLine;
    qint64 processId = 0; // 0 when it did not start
};

// "Make Mem File": asks for the CSV file to compile and the ".mem" file to write, then starts
// the compiler on them and returns at once; the program never waits for it. Nothing when a
// dialog was cancelled. A compiler that cannot be started is named to the user with the reason.
std::optional<CompileRun> makeMemFile(FileServices& services, const QString& compilerPath);

} // namespace ondulix
