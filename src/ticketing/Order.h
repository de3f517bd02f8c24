#pragma once

#include "xml/QMRecord.h"

#include <QString>

// The service's answer to a ticket order. The client uses payurl (and error).
class Order : public QMRecord
{
    QM_RECORD(Order)

public:
    QString mpid;
    QString tradeno;
    QString mobile;
    qint32 unitprice = 0; // yuan
    qint32 quantity = 0;
    qint32 discount = 0; // yuan
    qint32 amount = 0;   // yuan
    QString validtime;
    QString moviename;
    QString cinemaname;
    QString playtime;
    QString seat;
    QString payurl; // the payment page, already carrying a query of its own
    QString error;  // the service's refusal; empty on success
};
