#include "app/features/go_to_line_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

namespace ondulix {

GoToLineDialog::GoToLineDialog(QWidget& parent, std::function<bool(const QString&)> go)
    : QDialog(&parent)
    , m_go(std::move(go))
    , m_line(new QLineEdit)
{
    setObjectName(QStringLiteral("goToLineDialog"));
    setWindowTitle(QStringLiteral("Go to line"));
    m_line->setObjectName(QStringLiteral("txtGoToLine"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &GoToLineDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &GoToLineDialog::reject);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Line (1 to 32):"), m_line);
    form->addRow(buttons);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
}

void GoToLineDialog::openAt(int line)
{
    m_line->setText(QString::number(line));
    open();
    raise();
    activateWindow();
    // After showing: a dialog shown gives the focus to its default button.
    m_line->setFocus(Qt::OtherFocusReason);
    m_line->selectAll();
}

void GoToLineDialog::accept()
{
    if (m_go(m_line->text()))
        QDialog::accept();
}

} // namespace ondulix
