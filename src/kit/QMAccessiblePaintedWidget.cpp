#include "kit/QMAccessiblePaintedWidget.h"

#include "kit/QMAccessibleItem.h"

#include <QWidget>

QMAccessiblePaintedWidget::QMAccessiblePaintedWidget(QWidget *widget, QAccessible::Role role)
    : QAccessibleWidget(widget, role)
{}

QMAccessiblePaintedWidget::~QMAccessiblePaintedWidget()
{
    for (QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface *QMAccessiblePaintedWidget::itemInterface(int index) const
{
    if (index < 0 || index >= itemCount())
        return nullptr;
    auto found = m_items.constFind(index);
    if (found != m_items.constEnd())
        return QAccessible::accessibleInterface(*found);
    auto *item = new QMAccessibleItem(const_cast<QMAccessiblePaintedWidget *>(this), index);
    m_items.insert(index, QAccessible::registerAccessibleInterface(item));
    return item;
}

int QMAccessiblePaintedWidget::childCount() const
{
    return itemCount() + QAccessibleWidget::childCount();
}

QAccessibleInterface *QMAccessiblePaintedWidget::child(int index) const
{
    const int items = itemCount();
    if (index < items)
        return itemInterface(index);
    return QAccessibleWidget::child(index - items);
}

int QMAccessiblePaintedWidget::indexOfChild(const QAccessibleInterface *child) const
{
    if (auto *item = dynamic_cast<const QMAccessibleItem *>(child))
        return item->owner() == this && item->isValid() ? item->index() : -1;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? -1 : itemCount() + index;
}

QAccessibleInterface *QMAccessiblePaintedWidget::childAt(int x, int y) const
{
    if (QAccessibleInterface *widgetChild = QAccessibleWidget::childAt(x, y))
        return widgetChild;
    const QPoint point = widget()->mapFromGlobal(QPoint(x, y));
    // The last one painted is on top.
    for (int i = itemCount() - 1; i >= 0; --i) {
        if (item(i).rect.contains(point))
            return itemInterface(i);
    }
    return nullptr;
}
