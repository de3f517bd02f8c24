#include "kit/QMAccessibilityAudit.h"

#include "kit/QMAccessibleFactory.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QMetaEnum>
#include <QWidget>

namespace {

QString roleName(QAccessible::Role role)
{
    const char *key = QMetaEnum::fromType<QAccessible::Role>().valueToKey(role);
    return key ? QString::fromLatin1(key) : QString::number(int(role));
}

QString className(QAccessibleInterface *iface)
{
    if (QObject *object = iface->object())
        return QString::fromLatin1(object->metaObject()->className());
    return QStringLiteral("(painted)");
}

void walk(QAccessibleInterface *iface, const QString &path, QStringList &found, int depth)
{
    // A cycle in a broken tree must not hang the audit.
    if (!iface || !iface->isValid() || depth > 64)
        return;
    if (iface->state().invisible)
        return;
    if (QMAccessibilityAudit::isInteractive(iface) &&
        iface->text(QAccessible::Name).trimmed().isEmpty())
        found.append(
            QStringLiteral("%1 %2 at %3").arg(roleName(iface->role()), className(iface), path));
    const int count = iface->childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface *child = iface->child(i);
        if (!child)
            continue;
        walk(child, QStringLiteral("%1/%2[%3]").arg(path, className(child)).arg(i), found,
             depth + 1);
    }
}

} // namespace

QStringList QMAccessibilityAudit::unnamedControls(QWidget *root)
{
    QMAccessibleFactory::install();
    QStringList found;
    if (!root)
        return found;
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(root);
    walk(iface, iface ? className(iface) : QString(), found, 0);
    return found;
}

bool QMAccessibilityAudit::isInteractive(QAccessibleInterface *iface)
{
    switch (iface->role()) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::Dial:
    case QAccessible::PageTab:
    case QAccessible::ListItem:
    case QAccessible::TreeItem:
    case QAccessible::Cell:
    case QAccessible::MenuItem:
    case QAccessible::Link:
    case QAccessible::HotkeyField:
        return true;
    case QAccessible::EditableText:
        // Text only to be read is read out as it stands.
        return !iface->state().readOnly;
    case QAccessible::Client:
        // A widget of no particular kind that takes keys stands for a control of its own.
        return iface->state().focusable;
    default:
        return false;
    }
}
