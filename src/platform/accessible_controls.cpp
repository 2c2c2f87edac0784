#include "platform/accessible_controls.h"

#include "platform/upward_scroll_bar.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>

namespace ondulix {

namespace {

// Qt's own scroll bar interface would read the stored, negated value; this one speaks the value
// the program and the user mean, with the top end as the maximum.
class AccessibleUpwardScrollBar : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit AccessibleUpwardScrollBar(UpwardScrollBar* bar)
        : QAccessibleWidget(bar, QAccessible::ScrollBar)
    { }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return QString::number(bar()->level());
        return QAccessibleWidget::text(kind);
    }

    QVariant currentValue() const override { return bar()->level(); }
    // The bar refuses a value beyond its ends by keeping to the nearest end, as for any writer.
    void setCurrentValue(const QVariant& value) override { bar()->setLevel(value.toInt()); }
    QVariant maximumValue() const override { return -bar()->minimum(); }
    QVariant minimumValue() const override { return -bar()->maximum(); }
    QVariant minimumStepSize() const override { return bar()->singleStep(); }

private:
    UpwardScrollBar* bar() const { return static_cast<UpwardScrollBar*>(widget()); }
};

QAccessibleInterface* accessibleControlFor(const QString& className, QObject* object)
{
    auto* bar = qobject_cast<UpwardScrollBar*>(object);
    if (bar && className == QLatin1String(UpwardScrollBar::staticMetaObject.className()))
        return new AccessibleUpwardScrollBar(bar);
    return nullptr;
}

} // namespace

void installAccessibleControls()
{
    QAccessible::installFactory(accessibleControlFor);
}

} // namespace ondulix
