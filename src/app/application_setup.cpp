#include "app/application_setup.h"

#include "app/window/control_layout.h"
#include "platform/accessible_controls.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

namespace ondulix {

void setUpApplication(QApplication& app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font(QString::fromLatin1(layout::kFontFamily));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(layout::kDefaultPointSize);
    QApplication::setFont(font);
    installAccessibleControls();
}

} // namespace ondulix
