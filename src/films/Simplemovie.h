#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One row of a film list.
class Simplemovie : public QMRecord
{
    QM_RECORD(Simplemovie)

public:
    QString movieid;
    QString moviename;
    QString language;
    QString director;
    QString actors;
    QString openingdate; // first day of showing
    QString logo;
    QString smalllogo; // the key under which posters are loaded and cached
    qint32 cinemanum = 0;
    qint32 ordercinemanum = 0;
    QString length;
    QString generalmark;
};
