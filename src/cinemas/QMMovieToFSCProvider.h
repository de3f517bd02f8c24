#pragma once

#include "cinemas/QMMovieFSCProvider.h"

#include <QDate>

// The screenings at a cinema on one day, of one film or of all.
class QMMovieToFSCProvider final : public QMMovieFSCProvider
{
public:
    // What a request asked for.
    struct Asked
    {
        QString cinemaid;
        QString movieid; // empty: every film's
        QDate date;
        bool operator==(const Asked &) const = default;
    };

    // Without a cinema nothing is sent and nothing reported; without a film, every film's.
    void requestToPlayInfoForCinema(const QString &cinemaid, const QString &andMovie,
                                    const QDate &date = QDate::currentDate());

    // While the delegate is told of an answer: what its request asked for. One provider serves
    // every screen, and answers to earlier requests may still arrive after a newer one is sent.
    const Asked &answered() const { return m_answered; }

    QByteArray trimXML(const QByteArray &text) const override;

protected:
    Verdict judgeAnswer(const QNetworkRequest &request, std::shared_ptr<MpiList> list) override;
    Verdict judgeFailure(const QNetworkRequest &request,
                         const std::optional<QMError> &error) override;

private:
    void noteAnswered(const QNetworkRequest &request);

    Asked m_answered;
};
