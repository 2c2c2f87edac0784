#pragma once

#include "platform/file_chooser.h"

#include <QString>
#include <optional>

class QWidget;

namespace ondulix {

// What the shared file dialog keeps between operations.
struct DialogSettings
{
    QString title;
    QString filter;
    QString defaultExt;
    QString fileName;
    QString initDir;
};

// The window's one file dialog. Each operation sets only some settings; the others keep what
// an earlier operation left, so a title or filter set for the compiler still shows when a CSV
// file is saved afterwards. Users of the program know the dialog that way, so it stays so.
// It asks through a file chooser, as every dialog of the program does.
class CommonDialog
{
public:
    using Mode = FileQuestion::Mode;

    explicit CommonDialog(FileChooser& chooser)
        : m_chooser(chooser)
    { }

    void setTitle(const QString& title) { m_settings.title = title; }
    void setFilter(const QString& filter) { m_settings.filter = filter; }
    void setDefaultExt(const QString& extension) { m_settings.defaultExt = extension; }
    void setFileName(const QString& fileName) { m_settings.fileName = fileName; }
    void setInitDir(const QString& folder) { m_settings.initDir = folder; }

    // Shows the dialog and returns the full path of the chosen file, which also becomes the
    // dialog's file name; nothing when the user cancels, and then the file name stays.
    std::optional<QString> showOpen(QWidget* parent);
    std::optional<QString> showSave(QWidget* parent);

private:
    std::optional<QString> show(Mode mode, QWidget* parent);

    FileChooser& m_chooser;
    DialogSettings m_settings;
};

// How the settings are shown. Programs carry an ".exe" ending only on Windows. Elsewhere a
// dialog that asks for "*.exe" also offers every file, and "exe" is never appended to a typed
// name, or no compiler could be chosen at all. A file name with wildcards is a pattern, already
// shown by the filter. The program has always written over a chosen file without asking.
FileQuestion questionOf(
    FileQuestion::Mode mode, const DialogSettings& settings, bool programsEndInExe);

} // namespace ondulix
