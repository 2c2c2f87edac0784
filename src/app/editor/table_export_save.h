#pragma once

#include "files/table_export.h"

#include <QString>
#include <functional>
#include <optional>

namespace ondulix {

class Editor;
class MessageSink;

// The window's side of quenfer's run (files/table_export.h), for every export of the stored
// table: made first, so that a table with no sound is refused before any file is asked for;
// then written where `choose` says, the one file or the files of a file a line, each atomically,
// never over the table's own CSV file. The user is told what failed and why; a cancel writes
// nothing. Returns where it wrote, or nothing.
std::optional<QString> saveTableExport(const Editor& editor, ExportRequest request,
    MessageSink& messages, const std::function<std::optional<QString>()>& choose);

} // namespace ondulix
