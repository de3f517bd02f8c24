#include "kit/QMAccessibleWheelColumn.h"

#include "kit/QMWheelPicker.h"
#include "kit/QMWheelPickerColumn.h"

QMAccessibleWheelColumn::QMAccessibleWheelColumn(QMWheelPickerColumn *column)
    : QMAccessiblePaintedWidget(column, QAccessible::List)
{}

QMWheelPickerColumn *QMAccessibleWheelColumn::column() const
{
    return static_cast<QMWheelPickerColumn *>(widget());
}

int QMAccessibleWheelColumn::itemCount() const
{
    return column()->numberOfRows();
}

QMAccessiblePaintedWidget::Item QMAccessibleWheelColumn::item(int index) const
{
    Item row;
    row.role = QAccessible::ListItem;
    row.name = column()->picker()->titleForRow(index, column()->component());
    row.rect = column()->rectForRow(index);
    row.selectable = true;
    row.selected = index == column()->selectedRow();
    return row;
}

void QMAccessibleWheelColumn::pressItem(int index)
{
    column()->tapRow(index);
}
