#include "app/window/csv_commands.h"

#include "files/csv_writer.h"
#include "platform/atomic_save.h"

#include <QWidget>

namespace ondulix {

std::optional<QString> saveCsv(
    FileServices& services, const PatternTable& table, const QString& csvFileName)
{
    services.dialog.setFileName(csvFileName);
    std::optional<QString> path = services.dialog.showSave(&services.window);
    if (!path
        || !saveTellingFailure(*path, QByteArray::fromStdString(csvText(table)), services.messages))
        return std::nullopt;
    return path;
}

std::optional<QString> askCsvToOpen(FileServices& services)
{
    services.window.hide();
    services.dialog.setFileName(QStringLiteral("*.csv"));
    const std::optional<QString> path = services.dialog.showOpen(&services.window);
    services.window.show();
    return path;
}

} // namespace ondulix
