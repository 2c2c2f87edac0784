#include "platform/recovery_question.h"

#include <QMessageBox>
#include <QPushButton>

namespace ondulix {

RecoveryQuestion::Answer RecoveryQuestionBox::ask(const QString& text)
{
    QMessageBox box(
        QMessageBox::Question, QStringLiteral("Ondulix"), text, QMessageBox::NoButton, m_parent);
    QPushButton* recover = box.addButton(QStringLiteral("Recover"), QMessageBox::AcceptRole);
    QPushButton* discard = box.addButton(QStringLiteral("Discard"), QMessageBox::DestructiveRole);
    QPushButton* later = box.addButton(QStringLiteral("Later"), QMessageBox::RejectRole);
    box.setDefaultButton(recover);
    box.setEscapeButton(later);
    box.exec();
    if (box.clickedButton() == discard)
        return Answer::Discard;
    return box.clickedButton() == later ? Answer::Later : Answer::Recover;
}

} // namespace ondulix
