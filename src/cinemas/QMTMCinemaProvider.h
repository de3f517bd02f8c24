#pragma once

#include "cinemas/QMCinemaProvider.h"

#include <QDate>

// The cinemas showing one film on one day (today unless told otherwise).
class QMTMCinemaProvider final : public QMCinemaProvider
{
public:
    void requestCinemasForMovie(const QString &movieid, const QDate &onDate = QDate::currentDate());
};
