#pragma once

#include <QObject>
#include <QString>

namespace ondulix {

class Editor;
class SaveQuestion;
struct FeatureContext;

// The file commands beyond the laid-out buttons: Ctrl+O and Ctrl+S, a CSV file dropped on the
// window (opened by Open CSV's rules without the dialog, so drawing stays armed), and the
// question on closing with work that is in no file: a table changed since it was last opened or
// saved, or a wave in the sliders that differs from what its line holds.
class FileCommands : public QObject
{
    Q_OBJECT

public:
    FileCommands(const FeatureContext& context, SaveQuestion& question);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool onDragEnter(QEvent* event);
    bool onDrop(QEvent* event);
    bool onClose(QEvent* event);
    QString unsavedWork() const;

    Editor& m_editor;
    SaveQuestion& m_question;
};

} // namespace ondulix
