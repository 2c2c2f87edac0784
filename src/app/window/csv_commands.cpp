#include "app/window/csv_commands.h"

#include "files/csv_reader.h"
#include "files/csv_writer.h"
#include "platform/atomic_save.h"
#include "platform/native_path.h"

#include <QWidget>

namespace ondulix {

namespace {

QString refusal(const QString& path, const CsvError& error)
{
    const QString reason = QString::fromStdString(error.reason);
    if (error.line == 0)
        return QStringLiteral("Could not open \"%1\": %2.").arg(path, reason);
    return QStringLiteral("Could not open \"%1\": line %2: %3.")
        .arg(path, QString::number(error.line), reason);
}

} // namespace

bool saveCsv(FileServices& services, const PatternTable& table, const QString& csvFileName)
{
    services.dialog.setFileName(csvFileName);
    const std::optional<QString> path = services.dialog.showSave(&services.window);
    if (!path)
        return false;
    if (const auto failure = saveAtomically(*path, QByteArray::fromStdString(csvText(table)))) {
        services.messages.tell(QStringLiteral("Could not save \"%1\": %2.").arg(*path, *failure));
        return false;
    }
    return true;
}

bool openCsv(FileServices& services, PatternTable& table, QString& csvFileName)
{
    services.window.hide();
    services.dialog.setFileName(QStringLiteral("*.csv"));
    const std::optional<QString> path = services.dialog.showOpen(&services.window);
    services.window.show();
    if (!path)
        return false;
    return openCsvFile(services.messages, *path, table, csvFileName);
}

bool openCsvFile(
    MessageSink& messages, const QString& path, PatternTable& table, QString& csvFileName)
{
    csvFileName = path;
    CsvReadResult result = readCsvFile(toNativePath(path), table);
    if (const auto* error = std::get_if<CsvError>(&result)) {
        messages.tell(refusal(path, *error));
        return false;
    }
    table = std::get<PatternTable>(std::move(result));
    return true;
}

} // namespace ondulix
