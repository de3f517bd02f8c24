#include "films/QMToPlayListProvider.h"

#include "films/MovieList.h"
#include "net/QMServiceAddress.h"

void QMToPlayListProvider::sendRequest()
{
    issueRequest(QMServiceAddress(8)
                     .add(QLatin1StringView("charging"), QStringLiteral("times"))
                     .add(QLatin1StringView("from"), from)
                     .add(QLatin1StringView("maxnum"), maxnum)
                     .addKey()
                     .addEncryptCode());
}

QString QMToPlayListProvider::trimXMLString(const QString &text) const
{
    return replacing(text, {{"movie>", "Simplemovie>"},
                            {"<movieList>", "<movieList><movieListArray>"},
                            {"</movieList>", "</movieListArray></movieList>"}});
}

void QMToPlayListProvider::requestSucceededWithData(const QNetworkRequest &, const QByteArray &data)
{
    const auto list = mapAnswer<MovieList>(data, QLatin1StringView("data"));
    auto *delegate = playListDelegate.get();
    if (!delegate)
        return;
    if (list)
        delegate->listProviderDidReceivedMovieList(this, list);
    else
        delegate->listProviderDidRunIntoError(this, std::nullopt);
}

void QMToPlayListProvider::requestFailedWithError(const QNetworkRequest &,
                                                  const std::optional<QMError> &error)
{
    if (auto *delegate = playListDelegate.get())
        delegate->listProviderDidRunIntoError(this, error);
}
