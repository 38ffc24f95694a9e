#include "DialogEdits.h"

#include "zvcal/ZVCalButtonWidget.h"
#include "zvcal/ZVCalendarWidget.h"

#include <QMetaProperty>

namespace DialogEdits {

QVariantMap formValues(const QWidget *widget)
{
    QVariantMap values {{QStringLiteral("enabled"), !widget->testAttribute(Qt::WA_ForceDisabled)}, {QStringLiteral("font"), widget->font()}};
    const QMetaObject *meta = widget->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const int type = p.metaType().id();
        if (p.isDesignable() && p.isStored() && p.isWritable() && type != QMetaType::QPixmap && type != QMetaType::QIcon)
            values.insert(QString::fromLatin1(p.name()), p.read(widget));
    }
    return values;
}

QVariantMap editInDialog(QWidget *widget, QWidget *dialogParent)
{
    const QVariantMap before = formValues(widget);
    if (auto *calendar = qobject_cast<ZVCalendarWidget *>(widget))
        calendar->showPropertyDialog(dialogParent);
    else if (auto *button = qobject_cast<ZVCalButtonWidget *>(widget))
        button->showPropertyDialog(dialogParent);
    QVariantMap changed;
    const QVariantMap after = formValues(widget);
    for (auto it = after.cbegin(); it != after.cend(); ++it)
        if (before.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    return changed;
}

} // namespace DialogEdits
