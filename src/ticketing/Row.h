#pragma once

#include "xml/QMRecord.h"

#include <QString>
#include <QStringList>

// One row of a hall's seat map.
class Row : public QMRecord
{
    QM_RECORD(Row)

public:
    // What a position of a row holds.
    enum class Position {
        Empty,  // "ZL": no seat; the place stays in the grid
        Locked, // "LK": a seat that is shown but cannot be chosen
        Free,   // any other code: a free seat of that name
    };

    // The codes of columns from left to right, as written (not trimmed).
    QStringList positionCodes() const;
    static Position positionOf(QStringView code);
    // A row without a name holds no seats, whatever its columns say.
    bool hasSeats() const { return !rowid.isEmpty(); }

    qint32 rownum = 0;
    QString rowid;   // the row's label, and the row part of a seat's name
    QString columns; // codes separated by ","
};
