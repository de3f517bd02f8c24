#include "kit/QMAccessibleTabBar.h"

#include "kit/QMTabBar.h"
#include "kit/QMTabBarItem.h"

QMAccessibleTabBar::QMAccessibleTabBar(QMTabBar *bar)
    : QMAccessiblePaintedWidget(bar, QAccessible::PageTabList)
{}

QMTabBar *QMAccessibleTabBar::bar() const
{
    return static_cast<QMTabBar *>(widget());
}

int QMAccessibleTabBar::itemCount() const
{
    return int(bar()->items().size());
}

QMAccessiblePaintedWidget::Item QMAccessibleTabBar::item(int index) const
{
    Item tab;
    tab.role = QAccessible::PageTab;
    if (const QMTabBarItem *barItem = bar()->items().value(index))
        tab.name = barItem->title();
    tab.rect = bar()->itemRect(index);
    tab.selectable = true;
    tab.selected = index == bar()->selectedIndex();
    return tab;
}

void QMAccessibleTabBar::pressItem(int index)
{
    // The same as a touch: the controller decides.
    emit bar()->itemTapped(index);
}
