#pragma once

#include "app/window/file_services.h"
#include "pattern/pattern_table.h"

#include <QString>

namespace ondulix {

// "Save CSV": proposes the file last opened and writes the whole table to the chosen file, or
// leaves that file as it was and tells the user why not. A cancel writes nothing. Returns
// whether the table was written.
bool saveCsv(FileServices& services, const PatternTable& table, const QString& csvFileName);

// "Open CSV": the window hides while the dialog is open. The chosen name becomes the CSV file
// name even if the file then turns out unreadable, so "Save CSV" proposes it. The file replaces
// the table only when every line of it is sound; otherwise the user learns which line failed.
// Returns whether the table was replaced, so that the caller shows line 1.
bool openCsv(FileServices& services, PatternTable& table, QString& csvFileName);

// What "Open CSV" does once a file is chosen: the rules above, for a file dropped on the window
// or named on the command line.
bool openCsvFile(
    MessageSink& messages, const QString& path, PatternTable& table, QString& csvFileName);

} // namespace ondulix
