#pragma once

#include "files/wavetable_file.h"

#include <QObject>
#include <QString>
#include <memory>
#include <optional>

class QAction;
class QWidget;

namespace ondulix {

class frmOndulix;

// Where the export asks for its file: its own dialog, never the window's CD1. Tests answer
// through a chooser of their own instead of a modal dialog.
class ExportFileChooser
{
public:
    virtual ~ExportFileChooser() = default;
    // The full path of the chosen file, or nothing when the user cancels.
    virtual std::optional<QString> choose(QWidget* parent) = 0;
};

// Qt's file dialog with a filter for each wavetable format; a name typed without an ending
// takes the selected filter's. It opens in the folder of the last export.
class WavetableFileDialog : public ExportFileChooser
{
public:
    std::optional<QString> choose(QWidget* parent) override;

private:
    QString m_folder;
};

// The format a file name asks for: .wt is Surge XT's, anything else a wavetable WAV.
WavetableFormat wavetableFormatFor(const QString& path);

// "Export wavetable...": writes the window's pattern table as it stands (the stored lines, as
// Save CSV writes them) with the same writers as quenfer, saved atomically, and tells the user
// through the window's messages when that fails. The window owns it; its action sits on the
// window with a window-wide shortcut.
class WavetableExport : public QObject
{
    Q_OBJECT

public:
    explicit WavetableExport(frmOndulix& window);

    QAction* action() const { return m_action; }
    void setFileChooser(std::unique_ptr<ExportFileChooser> chooser)
    {
        m_chooser = std::move(chooser);
    }

    void exportTable();

private:
    frmOndulix& m_window;
    QAction* m_action = nullptr;
    std::unique_ptr<ExportFileChooser> m_chooser = std::make_unique<WavetableFileDialog>();
};

} // namespace ondulix
