#pragma once

#include <QObject>
#include <QString>
#include <optional>

namespace ondulix {

class Editor;
class SaveQuestion;
struct FeatureContext;

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
    FileCommands(
        const FeatureContext& context, SaveQuestion& question, std::optional<QString> startFile);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onShown();
    bool onDragEnter(QEvent* event);
    bool onDrop(QEvent* event);
    bool onClose(QEvent* event);
    QString unsavedWork() const;

    Editor& m_editor;
    SaveQuestion& m_question;
    std::optional<QString> m_startFile;
};

} // namespace ondulix
