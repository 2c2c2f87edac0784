#include "platform/user_messages.h"

#include <QMessageBox>

namespace ondulix {

void MessageBoxSink::tell(const QString& text)
{
    QMessageBox::warning(m_parent, QStringLiteral("Ondulix"), text);
}

} // namespace ondulix
