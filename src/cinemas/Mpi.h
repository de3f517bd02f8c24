#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One screening: one showing of one film in one hall at one time, the unit tickets are sold for.
class Mpi : public QMRecord
{
    QM_RECORD(Mpi)

public:
    // The showing's version as lists show it: the language, and the edition after a slash
    // when there is one ("国语/3D").
    QString versionText() const;

    QString mpid; // selects the seat map and the order
    QString movieid;
    QString moviename;
    QString englishname;
    QString language;
    QString generalmark;
    QString logo;
    QString smalllogo;
    QString edition;
    QString playdate; // "yyyy-MM-dd"
    QString playtime;
    QString playroom;
    qint32 price = 0;     // the cinema's own price in yuan; 0: none
    qint32 quelprice = 0; // the price through the service in yuan; 0: none
    bool open = false;    // seats can be chosen and bought through the service
};
