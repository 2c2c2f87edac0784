#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ondulix {

class Editor;
class ExportForDialog;
class FileChooser;
class MessageSink;
struct FeatureContext;

// "Export for..." (Ctrl+Shift+E): the stored table for the place it is played, a chip, a
// tracker, hardware memory, a module or a synthesizer. Its dialog chooses the target and the
// options the target leaves free; then a file question of its own asks for the file, or the
// folder of a file a line. What it writes is what quenfer writes for the same target and
// options, made by the same function, each file atomically. A table with no sound, for a
// target that writes only the lines that sound, is refused before any file is asked for.
class ExportFor : public QObject
{
    Q_OBJECT

public:
    explicit ExportFor(const FeatureContext& context);
    ~ExportFor() override;

private:
    void ask();
    void exportTable();

    QWidget& m_window;
    const Editor& m_editor;
    FileChooser& m_files;
    MessageSink& m_messages;
    ExportForDialog* m_dialog = nullptr;
    QString m_folder;
};

} // namespace ondulix
