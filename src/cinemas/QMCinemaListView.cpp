#include "cinemas/QMCinemaListView.h"

#include "app/QMDataContext.h"
#include "cinemas/QMCinemaCell.h"
#include "kit/QMKitStyle.h"
#include "kit/QMTableView.h"
#include "services/QMLocationProvider.h"

#include <QPainter>

QMCinemaListView::QMCinemaListView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_tableView(new QMTableView(this))
{
    setGeometry(frame);
    QMKitStyle::setBackgroundColor(this, Qt::white);

    m_tableView->setGeometry(rect().adjusted(1, 1, -1, -1));
    m_tableView->setRowHeight(QMCinemaCell::rowHeight);
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setDataSource(this);
    m_tableView->show();
}

QMCinemaListView::~QMCinemaListView() = default;

void QMCinemaListView::setCinemaArray(const QList<std::shared_ptr<SimpleCinema>> &cinemas)
{
    m_cinemaArray = cinemas;
    m_tableView->reloadData();
    m_tableView->setContentOffset(QPoint(0, 0));
}

QMCinemaCell *QMCinemaListView::cellForRow(int row) const
{
    return qobject_cast<QMCinemaCell *>(m_tableView->cellForRow(row));
}

int QMCinemaListView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_cinemaArray.size());
}

std::unique_ptr<QWidget> QMCinemaListView::tableViewCellForRow(QMTableView *, int row)
{
    std::unique_ptr<QMTableViewCell> reused =
        m_tableView->dequeueReusableCell(QMCinemaCell::kReuseIdentifier);
    std::unique_ptr<QMCinemaCell> cell(qobject_cast<QMCinemaCell *>(reused.get()));
    if (cell) {
        reused.release();
    } else {
        cell = std::make_unique<QMCinemaCell>();
        connect(cell.get(), &QMCinemaCell::checkMarkClicked, this, &QMCinemaListView::cinemaChosen);
    }
    const QMLocationProvider *location = QMDataContext::CurrentDataContext()->locationProvider();
    const SimpleCinema &cinema = *m_cinemaArray.at(row);
    cell->setCinema(cinema, row, location ? cinema.shownDistanceText(*location) : QString());
    return cell;
}

void QMCinemaListView::tableViewDidSelectRow(QMTableView *tableView, int row)
{
    // No row stays marked: the next touch on it chooses it again.
    tableView->deselectRow(row, false);
    emit cinemaChosen(row);
}

void QMCinemaListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
