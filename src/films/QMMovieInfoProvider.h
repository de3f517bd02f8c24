#pragma once

#include "films/QMMovieInfoProviderDelegate.h"
#include "films/movie.h"
#include "net/QMRecordProvider.h"

// The full record of one film.
class QMMovieInfoProvider final
    : public QMRecordProvider<QMMovieInfoProvider, QMMovieInfoProviderDelegate, movie>
{
public:
    QMMovieInfoProvider();

    QMWeakDelegate<QMMovieInfoProviderDelegate> movieInfoDelegate;

    // Without an identifier nothing is sent and nothing reported.
    void requestForMovie(const QString &movieid);
};
