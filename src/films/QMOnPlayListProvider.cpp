#include "films/QMOnPlayListProvider.h"

#include "films/MovieList.h"
#include "net/QMServiceAddress.h"
#include "services/QMNotificationCenter.h"

void QMOnPlayListProvider::sendRequest()
{
    issueRequest(QMServiceAddress(7).addKey().addEncryptCode());
}

QString QMOnPlayListProvider::trimXMLString(const QString &text) const
{
    return replacing(text, {{"movie>", "simplemovie>"},
                            {"<movieList>", "<movieList><movieListArray>"},
                            {"</movieList>", "</movieListArray></movieList>"}});
}

void QMOnPlayListProvider::requestSucceededWithData(const QNetworkRequest &, const QByteArray &data)
{
    const auto list = mapAnswer<MovieList>(data, QLatin1StringView("data"));
    if (auto *delegate = playListDelegate.get()) {
        if (list && !list->movieListArray.isEmpty())
            delegate->onPlayListProviderDidReceivedMovieList(this, list);
        else
            delegate->onPlayListProviderDidRunIntoError(this, std::nullopt);
    }
    QMNotificationCenter::defaultCenter().post(kOnPlayListNotification, this);
}

void QMOnPlayListProvider::requestFailedWithError(const QNetworkRequest &,
                                                  const std::optional<QMError> &error)
{
    if (auto *delegate = playListDelegate.get())
        delegate->onPlayListProviderDidRunIntoError(this, error);
    QMNotificationCenter::defaultCenter().post(kOnPlayListNotification, this);
}
