#include "platform/save_question.h"

#include <QMessageBox>

namespace ondulix {

SaveQuestion::Answer SaveQuestionBox::ask(const QString& text)
{
    switch (QMessageBox::question(m_parent, QStringLiteral("Ondulix"), text,
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save)) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default:
        return Answer::Cancel;
    }
}

} // namespace ondulix
