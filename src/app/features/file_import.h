#pragma once

#include <QObject>
#include <QString>

class QWidget;

namespace ondulix {

class Editor;
class FileChooser;
class MessageSink;
struct FeatureContext;

// "Import..." (Ctrl+Shift+O): brings in a tracker wave, a wavetable, a single cycle or a
// recording, as the file's content says (files/wave_import.h). A wave becomes the current
// wave; a table or a recording fills lines, written in Generate to Memory's form. Either way it
// is one undo step. A file that cannot be imported changes nothing, and the user is told which
// file and why. The dialog is its own and opens in the folder of the last import.
class FileImport : public QObject
{
    Q_OBJECT

public:
    explicit FileImport(const FeatureContext& context);

private:
    void importChosenFile();
    void importFrom(const QString& path);

    QWidget& m_window;
    Editor& m_editor;
    FileChooser& m_files;
    MessageSink& m_messages;
    QString m_folder;
};

} // namespace ondulix
