#include "films/QMMovieInfoProvider.h"

#include "films/movie.h"
#include "net/QMServiceAddress.h"

void QMMovieInfoProvider::requestForMovie(const QString &movieid)
{
    if (movieid.isEmpty())
        return;
    issueRequest(QMServiceAddress(6)
                     .add(QLatin1StringView("movieid"), movieid)
                     .add(QLatin1StringView("service"), QStringLiteral("all"))
                     .add(QLatin1StringView("charging"), QStringLiteral("times"))
                     .addKey()
                     .addEncryptCode());
}

void QMMovieInfoProvider::requestSucceededWithData(const QNetworkRequest &, const QByteArray &data)
{
    const auto info = mapAnswer<movie>(data, QLatin1StringView("data"));
    auto *delegate = movieInfoDelegate.get();
    if (!delegate)
        return;
    if (info)
        delegate->movieInfoProviderDidReceivedMovieInfo(this, info);
    else
        delegate->movieInfoProviderDidRunInfoError(this, std::nullopt);
}

void QMMovieInfoProvider::requestFailedWithError(const QNetworkRequest &,
                                                 const std::optional<QMError> &error)
{
    if (auto *delegate = movieInfoDelegate.get())
        delegate->movieInfoProviderDidRunInfoError(this, error);
}
