#pragma once

#include "files/import_job.h"

#include <QString>
#include <optional>

class QWidget;

namespace ondulix {

// Waits for an import running on its own thread, the windows painting and answering meanwhile.
// For its first 300 ms the user's keys and clicks wait; then a dialog over every window shows
// how far it has got, with Cancel. Every other command waits until the import ends or is
// cancelled, so nothing interleaves with it. Nothing when it was cancelled.
std::optional<ReadResult<ImportedWaves>> waitForImport(
    ImportJob& job, const QString& fileName, QWidget& window);

} // namespace ondulix
