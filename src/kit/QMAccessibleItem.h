#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

class QMAccessiblePaintedWidget;

// One control painted by a widget, as a screen reader sees it. It holds no data of its own: it
// asks its widget's interface each time, so it stays right while the widget changes, and reads
// as invalid once its index is past the widget's items.
class QMAccessibleItem : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    QMAccessibleItem(QMAccessiblePaintedWidget *owner, int index);

    QMAccessiblePaintedWidget *owner() const { return m_owner; }
    int index() const { return m_index; }

    bool isValid() const override;
    QObject *object() const override { return nullptr; }
    QWindow *window() const override;
    QAccessibleInterface *focusChild() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override;
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QMAccessiblePaintedWidget *m_owner; // deletes this item with itself
    int m_index;
};
