#include "app/editor/table_export_save.h"

#include "app/editor/editor.h"
#include "platform/native_path.h"
#include "platform/user_messages.h"

namespace ondulix {

std::optional<QString> saveTableExport(const Editor& editor, ExportRequest request,
    MessageSink& messages, const std::function<std::optional<QString>()>& choose)
{
    request.line = editor.line();
    request.sourceName = toNativePath(editor.csvFileName()).string();
    const TableExport made = exportTable(editor.table(), request);
    if (made.failure) {
        messages.tell(
            QStringLiteral("Nothing was exported: %1.").arg(fromNativeText(*made.failure)));
        return std::nullopt;
    }
    const std::optional<QString> path = choose();
    if (!path)
        return std::nullopt;
    if (const auto failure
        = writeTableExport(toNativePath(*path), made, toNativePath(editor.csvFileName()))) {
        messages.tell(
            QStringLiteral("Could not save \"%1\": %2.").arg(*path, fromNativeText(*failure)));
        return std::nullopt;
    }
    return path;
}

} // namespace ondulix
