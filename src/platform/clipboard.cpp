#include "platform/clipboard.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace ondulix {

void replaceClipboardText(const std::string& text)
{
    QCoreApplication::processEvents();
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(QString::fromStdString(text));
}

std::string currentClipboardText()
{
    return QGuiApplication::clipboard()->text().toStdString();
}

} // namespace ondulix
