#pragma once

#include "cinemas/QMMovieFSCProvider.h"

#include <QDate>

// The screenings at a cinema on one day, of one film or of all.
class QMMovieToFSCProvider final : public QMMovieFSCProvider
{
public:
    // Without a cinema nothing is sent and nothing reported; without a film, every film's.
    void requestToPlayInfoForCinema(const QString &cinemaid, const QString &andMovie,
                                    const QDate &date = QDate::currentDate());

    QString trimXML(const QString &text) const override;
};
