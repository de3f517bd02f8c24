#pragma once

#include "ticketing/Row.h"

#include <QList>
#include <QWidget>

#include <memory>
#include <vector>

class QMRowLabel;

// The column of row names beside a seat map: one badge per row of the list (aisles included,
// with an empty name), each level with its row's seats.
class QMRowIndexView : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRowIndexView)

public:
    // The badges reach 23 points (5 + 18) and a widget clips its children, so the column is as
    // wide as they are rather than 20.
    static constexpr int columnWidth = 23;

    explicit QMRowIndexView(const QRect &frame = {}, QWidget *parent = nullptr);
    ~QMRowIndexView() override;

    // The column's size for an answer's linenum, taken as 0 to QMSeatsView::maximumRows.
    static QSize columnSize(qint64 linenum);

    const QList<std::shared_ptr<Row>> &seatList() const { return m_seatList; }
    // One label per row, up to QMSeatsView::maximumRows; a second list replaces the labels.
    void setSeatList(const QList<std::shared_ptr<Row>> &seatList);
    const std::vector<QMRowLabel *> &rowNumArray() const { return m_rowNumArray; }

private:
    QList<std::shared_ptr<Row>> m_seatList;
    std::vector<QMRowLabel *> m_rowNumArray; // children of this view
};
