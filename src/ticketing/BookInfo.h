#pragma once

#include "ticketing/Row.h"
#include "xml/QMRecord.h"

#include <QList>
#include <QString>

#include <memory>

// The seat map of one screening.
class BookInfo : public QMRecord
{
    QM_RECORD(BookInfo)

public:
    QString mpid;
    qint32 linenum = 0; // rows of the grid
    qint32 ranknum = 0; // positions per row of the grid
    qint32 costprice = 0;
    qint32 quelprice = 0;
    QList<std::shared_ptr<Row>> seatList; // front to back
    QString error;                        // the service's refusal; empty when the map came
};
