#include "app/features/actions_dialog.h"

#include <QAction>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace ondulix {

ActionsDialog::ActionsDialog(QWidget& parent)
    : QDialog(&parent)
    , m_typed(new QLineEdit)
    , m_list(new QTreeWidget)
{
    setObjectName(QStringLiteral("actionsDialog"));
    setWindowTitle(QStringLiteral("Actions"));
    m_typed->setObjectName(QStringLiteral("txtActionName"));
    m_typed->setPlaceholderText(QStringLiteral("Type words of the name"));
    m_list->setColumnCount(2);
    m_list->setHeaderLabels({QStringLiteral("Action"), QStringLiteral("Keys")});
    m_list->setRootIsDecorated(false);
    m_list->setFocusPolicy(Qt::NoFocus);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_list->setMinimumSize(
        m_typed->fontMetrics().averageCharWidth() * 60, m_typed->fontMetrics().height() * 20);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_typed);
    layout->addWidget(m_list);
    m_typed->installEventFilter(this);
    connect(m_typed, &QLineEdit::textChanged, this, &ActionsDialog::filter);
    connect(m_typed, &QLineEdit::returnPressed, this, &ActionsDialog::runChosen);
    connect(m_list, &QTreeWidget::itemActivated, this, &ActionsDialog::runChosen);
}

void ActionsDialog::openOn(const QList<ListedAction>& actions)
{
    m_actions = actions;
    m_list->clear();
    for (const ListedAction& listed : actions) {
        auto* item = new QTreeWidgetItem(m_list, {listed.name, listed.keys});
        item->setDisabled(!listed.action->isEnabled());
    }
    m_typed->clear();
    filter({});
    open();
    raise();
    activateWindow();
    m_typed->setFocus(Qt::OtherFocusReason);
}

QStringList ActionsDialog::shownNames() const
{
    QStringList names;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        if (!m_list->topLevelItem(i)->isHidden())
            names << m_list->topLevelItem(i)->text(0);
    }
    return names;
}

// Up and Down choose in the list while the typing goes on in the field.
bool ActionsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_typed && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            choose(key == Qt::Key_Up ? -1 : 1);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ActionsDialog::filter(const QString& typed)
{
    QTreeWidgetItem* first = nullptr;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = m_list->topLevelItem(i);
        item->setHidden(!nameMatches(item->text(0), typed));
        if (!first && !item->isHidden() && !item->isDisabled())
            first = item;
    }
    m_list->setCurrentItem(first);
}

// To the next shown entry that can run, above or below; at either end the choice stays.
void ActionsDialog::choose(int step)
{
    const int count = m_list->topLevelItemCount();
    int at = m_list->currentItem() ? m_list->indexOfTopLevelItem(m_list->currentItem()) : -1;
    for (int next = at + step; next >= 0 && next < count; next += step) {
        QTreeWidgetItem* item = m_list->topLevelItem(next);
        if (!item->isHidden() && !item->isDisabled()) {
            m_list->setCurrentItem(item);
            return;
        }
    }
}

void ActionsDialog::runChosen()
{
    QTreeWidgetItem* chosen = m_list->currentItem();
    if (!chosen || chosen->isHidden() || chosen->isDisabled())
        return;
    QAction* action = m_actions[m_list->indexOfTopLevelItem(chosen)].action;
    accept();
    action->trigger();
}

} // namespace ondulix
