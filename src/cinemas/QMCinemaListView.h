#pragma once

#include "cinemas/SimpleCinema.h"
#include "kit/QMTableViewDataSource.h"

#include <QWidget>
#include <QList>

#include <memory>

class QMCinemaCell;
class QMTableView;

// A list of cinemas in a grey one-point border, one 60-point row each (QMCinemaCell) with the
// distance a list shows. Touching a row, or the check mark of a cinema that sells tickets,
// chooses that cinema.
class QMCinemaListView : public QWidget, public QMTableViewDataSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaListView)

public:
    QMCinemaListView(const QRect &frame, QWidget *parent);
    ~QMCinemaListView() override;

    const QList<std::shared_ptr<SimpleCinema>> &cinemaArray() const { return m_cinemaArray; }
    // Shows these cinemas from the top of the list.
    void setCinemaArray(const QList<std::shared_ptr<SimpleCinema>> &cinemas);

    QMTableView *tableView() const { return m_tableView; }
    // The live row, or null when it is far from view.
    QMCinemaCell *cellForRow(int row) const;

    int tableViewNumberOfRows(QMTableView *tableView) override;
    std::unique_ptr<QWidget> tableViewCellForRow(QMTableView *tableView, int row) override;
    void tableViewDidSelectRow(QMTableView *tableView, int row) override;

signals:
    void cinemaChosen(int row);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<std::shared_ptr<SimpleCinema>> m_cinemaArray;
    QMTableView *m_tableView;
};
