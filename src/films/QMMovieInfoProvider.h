#pragma once

#include "films/QMMovieInfoProviderDelegate.h"
#include "net/QMCommonProvider.h"
#include "net/QMWeakDelegate.h"

// The full record of one film.
class QMMovieInfoProvider final : public QMCommonProvider
{
    Q_OBJECT

public:
    QMWeakDelegate<QMMovieInfoProviderDelegate> movieInfoDelegate;

    // Without an identifier nothing is sent and nothing reported.
    void requestForMovie(const QString &movieid);

    void requestSucceededWithData(const QNetworkRequest &request, const QByteArray &data) override;
    void requestFailedWithError(const QNetworkRequest &request,
                                const std::optional<QMError> &error) override;
};
