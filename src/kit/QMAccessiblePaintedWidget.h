#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QRect>
#include <QString>

// The accessible side of a widget that paints several controls itself (tabs, wheel rows, map
// pins, seats, covers): each one is a child interface with a role, a name and a press action,
// listed before the widget's child widgets. Subclasses say how many there are and what each is.
class QMAccessiblePaintedWidget : public QAccessibleWidget
{
public:
    struct Item
    {
        QAccessible::Role role = QAccessible::PushButton;
        QString name;
        QString description;
        QRect rect; // in the widget's coordinates
        bool selectable = false;
        bool selected = false;
        bool checkable = false;
        bool checked = false;
        bool disabled = false;
    };

    QMAccessiblePaintedWidget(QWidget *widget, QAccessible::Role role);
    ~QMAccessiblePaintedWidget() override;

    using QAccessibleWidget::widget;

    virtual int itemCount() const = 0;
    virtual Item item(int index) const = 0;
    // What a screen reader's "press" on the item does: the same as a touch.
    virtual void pressItem(int index) = 0;

    // The interface of an item (made on first use), for events about it; null out of range.
    QAccessibleInterface *itemInterface(int index) const;

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    mutable QHash<int, QAccessible::Id> m_items;
};
