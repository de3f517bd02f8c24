#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One thing a member follows: another member, a cinema or a film.
class Collect : public QMRecord
{
    QM_RECORD(Collect)

public:
    // The tag of a follow request: 0 "member", 1 "cinema", anything else "movie".
    static QString tagForType(unsigned type);

    QString body;
    QString time; // "yyyy-MM-dd HH:mm:ss"
    QString tag;  // "member", "cinema" or "movie"
    QString relatedid;
    QString name;
    QString logo;
};
