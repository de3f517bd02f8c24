#include "kit/QMAccessibleBarButton.h"

#include "kit/QMBarButton.h"

QMAccessibleBarButton::QMAccessibleBarButton(QMBarButton *button)
    : QAccessibleWidget(button, QAccessible::PushButton)
{}

QAccessible::Role QMAccessibleBarButton::role() const
{
    return button()->isCheckable() ? QAccessible::CheckBox : QAccessible::PushButton;
}

QMBarButton *QMAccessibleBarButton::button() const
{
    return static_cast<QMBarButton *>(widget());
}

QString QMAccessibleBarButton::text(QAccessible::Text t) const
{
    if (t != QAccessible::Name)
        return QAccessibleWidget::text(t);
    if (!button()->accessibleName().isEmpty())
        return button()->accessibleName();
    if (!button()->text().isEmpty())
        return button()->text();
    return button()->backgroundImage().text(QStringLiteral("Description"));
}

QAccessible::State QMAccessibleBarButton::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = button()->isCheckable();
    state.checked = button()->isChecked();
    state.pressed = button()->isDown();
    return state;
}

QStringList QMAccessibleBarButton::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (widget()->isEnabled())
        names.prepend(button()->isCheckable() ? toggleAction() : pressAction());
    return names;
}

void QMAccessibleBarButton::doAction(const QString &actionName)
{
    if (!widget()->isEnabled())
        return;
    if (actionName == pressAction() || actionName == toggleAction())
        button()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
