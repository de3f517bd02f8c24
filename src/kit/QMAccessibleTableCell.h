#pragma once

#include <QAccessibleWidget>

class QMTableView;

// A row of a table that can be chosen, as a list item named by the words it shows (its labels
// and buttons); pressing it does what a tap on it does. Rows that cannot be chosen read as
// what is on them.
class QMAccessibleTableCell : public QAccessibleWidget
{
public:
    explicit QMAccessibleTableCell(QWidget *cell);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QMTableView *table() const;
    int row() const;
    bool isChoosable() const;
};
