#pragma once

#include "app/editor/action_index.h"

#include <QDialog>

class QLineEdit;
class QTreeWidget;

namespace ondulix {

// "Actions": every action with its keys. Typing filters the list by the words of the names, Up
// and Down choose, Enter runs the chosen action once the dialog has closed, Escape closes it.
class ActionsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ActionsDialog(QWidget& parent);

    // Opens it on `actions`, all shown, the first chosen.
    void openOn(const QList<ListedAction>& actions);
    // The names shown now, in order.
    QStringList shownNames() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& typed);
    void choose(int step);
    void runChosen();

    QLineEdit* m_typed = nullptr;
    QTreeWidget* m_list = nullptr;
    QList<ListedAction> m_actions;
};

} // namespace ondulix
