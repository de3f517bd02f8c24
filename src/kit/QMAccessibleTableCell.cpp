#include "kit/QMAccessibleTableCell.h"

#include "kit/QMAccessibleText.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"

QMAccessibleTableCell::QMAccessibleTableCell(QWidget *cell)
    : QAccessibleWidget(cell, QAccessible::ListItem)
{}

QMTableView *QMAccessibleTableCell::table() const
{
    for (QWidget *w = widget()->parentWidget(); w; w = w->parentWidget()) {
        if (auto *table = qobject_cast<QMTableView *>(w))
            return table;
    }
    return nullptr;
}

int QMAccessibleTableCell::row() const
{
    QMTableView *owner = table();
    return owner ? owner->rowForCell(widget()) : -1;
}

bool QMAccessibleTableCell::isChoosable() const
{
    QMTableView *owner = table();
    if (!owner || !owner->allowsSelection() || row() < 0)
        return false;
    auto *cell = qobject_cast<QMTableViewCell *>(widget());
    return !cell || cell->selectionStyle() != QMTableViewCell::SelectionStyle::None;
}

QAccessible::Role QMAccessibleTableCell::role() const
{
    return isChoosable() ? QAccessible::ListItem : QAccessible::Client;
}

QString QMAccessibleTableCell::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
        return QMAccessibleText::of(widget());
    return QAccessibleWidget::text(t);
}

QAccessible::State QMAccessibleTableCell::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    if (isChoosable()) {
        state.selectable = true;
        state.selected = table()->selectedRow() == row();
    }
    return state;
}

QStringList QMAccessibleTableCell::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (isChoosable())
        names.prepend(pressAction());
    return names;
}

void QMAccessibleTableCell::doAction(const QString &actionName)
{
    if (actionName == pressAction() && isChoosable())
        table()->tapRow(row());
    else
        QAccessibleWidget::doAction(actionName);
}
