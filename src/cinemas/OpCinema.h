#pragma once

#include "xml/QMRecord.h"

#include <QString>

// One cinema of the day's list that a member's status post can be about.
class OpCinema : public QMRecord
{
    QM_RECORD(OpCinema)

public:
    QString relatedid; // what a post about this cinema refers to
    QString cinemaid;
    QString cinemaname;
    QString logo;
};
