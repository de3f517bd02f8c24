#pragma once

#include "kit/QMScrollViewDelegate.h"
#include "kit/QMTableView.h"

#include <QString>

#include <memory>

class QWidget;

// What a table asks its screen: how many rows, how high each is, and the widget of a row when
// it comes near the visible area; and what it tells: selection and movement. Only the number of
// rows and the rows themselves are required.
class QMTableViewDataSource : public QMScrollViewDelegate
{
public:
    virtual int tableViewNumberOfRows(QMTableView *tableView) = 0;
    // Built afresh or from dequeueReusableCell(); the table owns it from then on. A row
    // without a widget shows empty.
    virtual std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) = 0;

    virtual int tableViewHeightForRow(QMTableView *tableView, int row)
    {
        (void)row;
        return tableView->rowHeight();
    }
    virtual void tableViewDidSelectRow(QMTableView *tableView, int row)
    {
        (void)tableView;
        (void)row;
    }
    // The selection moved to another row.
    virtual void tableViewDidDeselectRow(QMTableView *tableView, int row)
    {
        (void)tableView;
        (void)row;
    }
    // A title for a header band that stays on top while the rows scroll; none when empty.
    virtual QString tableViewTitleForHeader(QMTableView *tableView)
    {
        (void)tableView;
        return {};
    }
};
