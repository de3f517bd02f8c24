#include "ticketing/QMRowIndexView.h"

#include "ticketing/QMRowLabel.h"
#include "ticketing/QMSeatsView.h"

#include <QLabel>

QMRowIndexView::QMRowIndexView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
{
    setGeometry(frame);
}

QMRowIndexView::~QMRowIndexView() = default;

QSize QMRowIndexView::columnSize(qint64 linenum)
{
    return QSize(columnWidth, QMSeatsView::gridSize(linenum, 0).height());
}

void QMRowIndexView::setSeatList(const QList<std::shared_ptr<Row>> &seatList)
{
    m_seatList = seatList;
    for (QMRowLabel *label : m_rowNumArray)
        delete label;
    m_rowNumArray.clear();
    const int rows = int(qMin<qsizetype>(seatList.size(), QMSeatsView::maximumRows));
    m_rowNumArray.reserve(size_t(rows));
    for (int i = 0; i < rows; ++i) {
        auto *label = new QMRowLabel(QRect(5, QMSeatsView::pitch * i, 18, 18), this);
        if (seatList[i])
            label->indexLabel()->setText(seatList[i]->rowid);
        label->show();
        m_rowNumArray.push_back(label);
    }
}
