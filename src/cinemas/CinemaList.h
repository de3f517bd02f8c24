#pragma once

#include "cinemas/SimpleCinema.h"
#include "xml/QMRecord.h"

#include <QList>

#include <memory>

// Cinemas in the order of the answer.
class CinemaList : public QMRecord
{
    QM_RECORD(CinemaList)

public:
    QList<std::shared_ptr<SimpleCinema>> cinemaArray;

    // The cinemas that sell tickets through the service first, each group in the given order.
    static QList<std::shared_ptr<SimpleCinema>>
    sellersFirst(QList<std::shared_ptr<SimpleCinema>> cinemas);
};
