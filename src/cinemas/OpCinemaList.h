#pragma once

#include "cinemas/OpCinema.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// The day's cinemas of the outside order service (an answer shaped like a cinema list).
class OpCinemaList : public QMRecord
{
    QM_RECORD(OpCinemaList)

public:
    QList<std::shared_ptr<OpCinema>> cinemaArray;
};
