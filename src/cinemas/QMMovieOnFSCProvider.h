#pragma once

#include "cinemas/QMMovieFSCProvider.h"

// The films a cinema is showing, one screening record per film.
class QMMovieOnFSCProvider final : public QMMovieFSCProvider
{
public:
    // Without a cinema nothing is sent and nothing reported.
    void requestOnPlayMovieListForCinema(const QString &cinemaid);

    QByteArray trimXML(const QByteArray &text) const override;
};
