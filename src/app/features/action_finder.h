#pragma once

#include <QObject>
#include <QPointer>

namespace ondulix {

class ActionsDialog;
class GraphMenu;
struct FeatureContext;

// F1, "Actions": finds any action of the program by the words of its name and runs it. The list
// is what the features and the window registered (app/editor/action_index.h), read at each
// opening, so that every feature is in it without a word here.
class ActionFinder : public QObject
{
    Q_OBJECT

public:
    explicit ActionFinder(const FeatureContext& context);
    ~ActionFinder() override;

private:
    void open();

    QWidget& m_window;
    const GraphMenu& m_menu;
    QPointer<ActionsDialog> m_dialog;
};

} // namespace ondulix
