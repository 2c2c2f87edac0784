#pragma once

#include <QObject>
#include <QString>

namespace ondulix {

class FileChooser;
class MessageSink;
class Editor;
struct FeatureContext;

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
    const Editor& m_editor;
    FileChooser& m_files;
    MessageSink& m_messages;
    QString m_folder;
};

} // namespace ondulix
