#include "kit/QMAccessibleText.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QStringList>

namespace {

QString ownText(const QWidget *widget)
{
    if (!widget->accessibleName().isEmpty())
        return widget->accessibleName();
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return label->text();
    if (qobject_cast<const QAbstractButton *>(widget)) {
        // A picture button's name may come from its picture.
        QAccessibleInterface *iface =
            QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget));
        return iface ? iface->text(QAccessible::Name) : QString();
    }
    return {};
}

void collect(const QWidget *widget, QStringList &texts)
{
    const QString own = ownText(widget).simplified();
    if (!own.isEmpty()) {
        texts.append(own);
        return;
    }
    for (QObject *child : widget->children()) {
        auto *childWidget = qobject_cast<QWidget *>(child);
        if (childWidget && !childWidget->isHidden() && !childWidget->isWindow())
            collect(childWidget, texts);
    }
}

} // namespace

QString QMAccessibleText::of(const QWidget *widget)
{
    if (!widget)
        return {};
    QStringList texts;
    collect(widget, texts);
    return texts.join(QLatin1Char(' '));
}
