#pragma once

#include "platform/common_dialog.h"

#include <QStringList>

namespace ondulix {

// How the dialog's settings are handed to Qt's file dialog.
struct DialogPresentation
{
    QString title; // empty: Qt's own "Open" or "Save As"
    QStringList nameFilters; // empty: every file
    QString defaultSuffix;
    QString directory; // empty: Qt's choice
    QString selectedFile; // empty: none
};

// Programs carry an ".exe" ending only on Windows. Elsewhere a dialog that asks for "*.exe"
// also offers every file, and "exe" is never appended to a typed name, or no compiler could
// be chosen at all. A file name with wildcards is a pattern, already shown by the filter.
DialogPresentation presentationOf(const DialogSettings& settings, bool programsEndInExe);

// Shows Qt's own file dialog (the same on every system, and the one tests can drive).
class QtCommonDialog : public CommonDialog
{
protected:
    std::optional<QString> pick(
        Mode mode, const DialogSettings& settings, QWidget* parent) override;
};

} // namespace ondulix
