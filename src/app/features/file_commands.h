#pragma once

#include "pattern/pattern_table.h"

#include <QObject>
#include <QString>
#include <functional>
#include <optional>

namespace ondulix {

class ChangeSignals;
class EditHistory;
class LineSelector;
class MessageSink;
class SampleSet;
class SaveQuestion;
struct FeatureContext;

// The window's own Open CSV and Save CSV, as its buttons run them, and the name of the file
// the table came from, which Open CSV sets. Save tells whether it saved.
struct CsvCommands
{
    std::function<void()> open;
    std::function<bool()> save;
    QString& fileName;
};

// The file commands beyond the laid-out buttons: Ctrl+O and Ctrl+S, a CSV file named on the
// command line or dropped on the window (both opened by Open CSV's rules without the dialog,
// so drawing stays armed), and the question on closing with unsaved work: a table changed since
// it was last opened or saved, or a wave in the sliders that differs from what its line holds.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    // `startFile` opens once the window has first shown. It is where the window starts, not a step
    // to undo.
    FileCommands(const FeatureContext& context, CsvCommands csv, SaveQuestion& question,
        std::optional<QString> startFile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void openFileWithoutDialog(const QString& path);
    void onShown();
    bool onDragEnter(QEvent* event);
    bool onDrop(QEvent* event);
    bool onClose(QEvent* event);
    QString unsavedWork() const;

    PatternTable& m_table;
    const SampleSet& m_samples;
    LineSelector& m_lines;
    EditHistory& m_history;
    MessageSink& m_messages;
    CsvCommands m_csv;
    SaveQuestion& m_question;
    std::optional<QString> m_startFile;
    PatternTable m_savedTable; // as last opened or saved: closing asks only when it differs
};

} // namespace ondulix
