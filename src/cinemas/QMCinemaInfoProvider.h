#pragma once

#include "cinemas/Cinema.h"
#include "cinemas/QMCinemaInfoProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The full record of one cinema.
class QMCinemaInfoProvider final
    : public QMRecordProvider<QMCinemaInfoProvider, QMCinemaInfoProviderDelegate, Cinema>
{
public:
    QMCinemaInfoProvider();

    QMWeakDelegate<QMCinemaInfoProviderDelegate> cinemaInfoDelegate;

    // Without an identifier nothing is sent and nothing reported.
    void requestInfoForCinema(const QString &cinemaid);
};
