#pragma once

#include <QWidget>

// The legend of the lists that mark cinemas and screenings selling through the phone: the check
// mark, then "表示支持手机购票". 124 × 20 points.
class QMTicketLegend : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTicketLegend)

public:
    // topLeft: where the check mark's line starts in parent (the mark sits 1 point lower).
    QMTicketLegend(const QPoint &topLeft, QWidget *parent);
};
