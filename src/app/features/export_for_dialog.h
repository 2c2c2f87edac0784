#pragma once

#include "files/table_export.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QTreeWidget;

namespace ondulix {

// "Export for": the targets of files/export_targets.h in three groups, each with the line that
// says what it writes, and the options the chosen target leaves free: the format (for a chip),
// the resampling (for a wave longer than 32), the word width and form (where the format fixes
// none) and a file a line (for a tracker's wave). OK takes them; the export is its owner's.
class ExportForDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportForDialog(QWidget* parent);

    // Chooses a target by its name, as a click on its entry does.
    void chooseTarget(std::string_view name);
    // The chosen target and options as quenfer takes them; the table's line and source aside.
    ExportRequest request() const;

private:
    void fillTargets();
    void targetChosen();
    void formatChosen();
    const ExportTarget& target() const;
    OutputFormat format() const;

    QTreeWidget* m_targets = nullptr;
    QComboBox* m_format = nullptr;
    QComboBox* m_resampling = nullptr;
    QSpinBox* m_wordWidth = nullptr;
    QCheckBox* m_unsigned = nullptr;
    QCheckBox* m_fileALine = nullptr;
};

} // namespace ondulix
