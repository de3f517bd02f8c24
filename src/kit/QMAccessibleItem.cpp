#include "kit/QMAccessibleItem.h"

#include "kit/QMAccessiblePaintedWidget.h"

#include <QWidget>

QMAccessibleItem::QMAccessibleItem(QMAccessiblePaintedWidget *owner, int index)
    : m_owner(owner)
    , m_index(index)
{}

bool QMAccessibleItem::isValid() const
{
    return m_owner->isValid() && m_index < m_owner->itemCount();
}

QWindow *QMAccessibleItem::window() const
{
    return m_owner->window();
}

QAccessibleInterface *QMAccessibleItem::parent() const
{
    return m_owner;
}

QString QMAccessibleItem::text(QAccessible::Text t) const
{
    if (!isValid())
        return {};
    switch (t) {
    case QAccessible::Name:
        return m_owner->item(m_index).name;
    case QAccessible::Description:
        return m_owner->item(m_index).description;
    default:
        return {};
    }
}

QRect QMAccessibleItem::rect() const
{
    if (!isValid())
        return {};
    const QRect local = m_owner->item(m_index).rect;
    return QRect(m_owner->widget()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role QMAccessibleItem::role() const
{
    return isValid() ? m_owner->item(m_index).role : QAccessible::NoRole;
}

QAccessible::State QMAccessibleItem::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const QMAccessiblePaintedWidget::Item item = m_owner->item(m_index);
    const QWidget *widget = m_owner->widget();
    state.invisible = !widget->isVisible();
    state.offscreen = !widget->rect().intersects(item.rect);
    state.disabled = item.disabled || !widget->isEnabled();
    state.selectable = item.selectable;
    state.selected = item.selected;
    state.checkable = item.checkable;
    state.checked = item.checked;
    return state;
}

void *QMAccessibleItem::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface *>(this);
    return nullptr;
}

QStringList QMAccessibleItem::actionNames() const
{
    if (!isValid() || state().disabled)
        return {};
    return {m_owner->item(m_index).checkable ? toggleAction() : pressAction()};
}

void QMAccessibleItem::doAction(const QString &actionName)
{
    if (actionNames().contains(actionName))
        m_owner->pressItem(m_index);
}
