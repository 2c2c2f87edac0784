#pragma once

#include "app/window/file_services.h"
#include "pattern/pattern_table.h"

#include <QString>
#include <optional>

namespace ondulix {

// "Save CSV": proposes the file last opened and writes the whole table to the chosen file, or
// leaves that file as it was and tells the user why not. A cancel writes nothing. Returns the
// file written, if one was.
std::optional<QString> saveCsv(
    FileServices& services, const PatternTable& table, const QString& csvFileName);

// "Open CSV" up to the file: the window hides while the dialog is open and shows again before
// the file is touched. The chosen file, or nothing on a cancel; the editor opens it.
std::optional<QString> askCsvToOpen(FileServices& services);

} // namespace ondulix
