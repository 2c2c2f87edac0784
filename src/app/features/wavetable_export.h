#pragma once

#include "files/wavetable_file.h"

#include <QObject>
#include <QString>

namespace ondulix {

class FileChooser;
class MessageSink;
class PatternTable;
struct FeatureContext;

// The format a file name asks for: .wt is Surge XT's, anything else a wavetable WAV.
WavetableFormat wavetableFormatFor(const QString& path);

// "Export wavetable..." (Ctrl+E): writes the pattern table as it stands (the stored lines, as
// Save CSV writes them) with the same writers as quenfer, saved atomically, and tells the user
// when that fails. Its dialog is its own, with a filter for each format, and opens in the
// folder of the last export.
class WavetableExport : public QObject
{
    Q_OBJECT

public:
    explicit WavetableExport(const FeatureContext& context);

private:
    void exportTable();

    QWidget& m_window;
    const PatternTable& m_table;
    FileChooser& m_files;
    MessageSink& m_messages;
    QString m_folder;
};

} // namespace ondulix
