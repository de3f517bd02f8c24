#include "kit/QMAccessibleFactory.h"

#include "kit/QMAccessibleBarButton.h"
#include "kit/QMAccessibleMapView.h"
#include "kit/QMAccessibleTabBar.h"
#include "kit/QMAccessibleTableCell.h"
#include "kit/QMAccessibleWheelColumn.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMMapView.h"
#include "kit/QMPickerView.h"
#include "kit/QMScrollView.h"
#include "kit/QMTabBar.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWheelPickerColumn.h"

#include <QAccessible>

void QMAccessibleFactory::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(&QMAccessibleFactory::create);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface *QMAccessibleFactory::create(const QString &, QObject *object)
{
    if (auto *button = qobject_cast<QMBarButton *>(object))
        return new QMAccessibleBarButton(button);
    if (auto *bar = qobject_cast<QMTabBar *>(object))
        return new QMAccessibleTabBar(bar);
    if (auto *column = qobject_cast<QMWheelPickerColumn *>(object))
        return new QMAccessibleWheelColumn(column);
    if (auto *map = qobject_cast<QMMapView *>(object))
        return new QMAccessibleMapView(map);
    if (auto *alert = qobject_cast<QMAlertView *>(object))
        return new QAccessibleWidget(alert, QAccessible::AlertMessage);
    // Containers that may take the keyboard to scroll are no controls of their own.
    if (auto *picker = qobject_cast<QMPickerView *>(object))
        return new QAccessibleWidget(picker, QAccessible::Dialog);
    // The wheels take the keyboard together; each wheel is a list of named rows.
    if (auto *wheels = qobject_cast<QMWheelPicker *>(object))
        return new QAccessibleWidget(wheels, QAccessible::Grouping);
    if (auto *cell = qobject_cast<QMTableViewCell *>(object))
        return new QMAccessibleTableCell(cell);
    if (auto *table = qobject_cast<QMTableView *>(object))
        return new QAccessibleWidget(table, QAccessible::List);
    if (auto *scroll = qobject_cast<QMScrollView *>(object))
        return new QAccessibleWidget(scroll, QAccessible::Pane);
    return nullptr;
}
