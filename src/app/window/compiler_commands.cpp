#include "app/window/compiler_commands.h"

#include "files/atomic_file.h"
#include "files/compiler_command.h"
#include "files/settings_file.h"
#include "platform/atomic_save.h"
#include "platform/native_path.h"
#include "platform/process_start.h"

#include <QFileInfo>

namespace ondulix {

namespace {

std::optional<QString> askForFile(
    FileServices& services, CommonDialog::Mode mode, const QString& title, const QString& extension)
{
    const QString pattern = QStringLiteral("*.") + extension;
    services.dialog.setTitle(title);
    services.dialog.setDefaultExt(extension);
    services.dialog.setFileName(pattern);
    services.dialog.setFilter(pattern);
    const std::optional<QString> path = mode == CommonDialog::Mode::Open
        ? services.dialog.showOpen(&services.window)
        : services.dialog.showSave(&services.window);
    if (!path)
        return std::nullopt;
    return QFileInfo(*path).absoluteFilePath();
}

std::string native(const QString& path)
{
    return toNativePath(path).string();
}

} // namespace

std::optional<QString> configureCompiler(
    FileServices& services, const std::filesystem::path& startupDirectory)
{
    services.dialog.setTitle(QStringLiteral("Select Quenfer.exe to configure"));
    services.dialog.setDefaultExt(QStringLiteral("*.exe"));
    services.dialog.setInitDir(fromNativePath(startupDirectory));
    services.dialog.setFilter(QStringLiteral("*.exe"));
    services.dialog.setFileName(QStringLiteral("*.exe"));
    const std::optional<QString> path = services.dialog.showOpen(&services.window);
    if (!path)
        return std::nullopt;
    const QString settingsFile = fromNativePath(settingsFilePath(startupDirectory));
    const QByteArray text = QByteArray::fromStdString(settingsText(native(*path)));
    if (const auto failure = saveAtomically(settingsFile, text))
        services.messages.tell(QStringLiteral("The compiler path could not be saved in \"%1\": "
                                              "%2. It is used until Ondulix is closed.")
                                   .arg(settingsFile, *failure));
    return path;
}

// The names go to the compiler whole, each an argument of its own, so blanks in them need no
// short (8.3) names.
std::optional<CompileRun> makeMemFile(FileServices& services, const QString& compilerPath)
{
    const auto csvFile = askForFile(services, CommonDialog::Mode::Open,
        QStringLiteral("Select CSV to Compile"), QStringLiteral("csv"));
    if (!csvFile)
        return std::nullopt;
    const auto memFile = askForFile(services, CommonDialog::Mode::Save,
        QStringLiteral("Select Mem to Compile to"), QStringLiteral("mem"));
    if (!memFile)
        return std::nullopt;
    // The compiler would replace its own input: another name or a link for the file counts too.
    if (isSameFile(toNativePath(*csvFile), toNativePath(*memFile))) {
        services.messages.tell(QStringLiteral("\"%1\" is the CSV file to compile; the memory file "
                                              "must be another file, or the table would be lost.")
                                   .arg(*memFile));
        return std::nullopt;
    }

    const CompilerCommand command
        = compilerCommand(native(compilerPath), native(*csvFile), native(*memFile));
    CompileRun run {*csvFile, *memFile, fromNativeText(command.commandLine)};
    QStringList arguments;
    for (const std::string& argument : command.arguments)
        arguments << fromNativeText(argument);
    const ProcessStart start = startDetached(
        fromNativeText(command.program), arguments, fromNativePath(command.workingDirectory));
    run.processId = start.processId;
    if (!start.started)
        services.messages.tell(QStringLiteral("Could not start the compiler \"%1\": %2.")
                                   .arg(compilerPath, start.failure));
    return run;
}

} // namespace ondulix
