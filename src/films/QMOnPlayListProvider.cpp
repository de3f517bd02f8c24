#include "films/QMOnPlayListProvider.h"

#include "net/QMServiceAddress.h"
#include "services/QMNotificationCenter.h"

QMOnPlayListProvider::QMOnPlayListProvider()
    : QMRecordProvider(&QMOnPlayListProvider::playListDelegate,
                       &QMOnPlayListProviderDelegate::onPlayListProviderDidReceivedMovieList,
                       &QMOnPlayListProviderDelegate::onPlayListProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMOnPlayListProvider::sendRequest()
{
    issueRequest(QMServiceAddress(7).addKey().addEncryptCode());
}

QByteArray QMOnPlayListProvider::trimXMLString(const QByteArray &text) const
{
    return replacing(text, {{"movie>", "simplemovie>"},
                            {"<movieList>", "<movieList><movieListArray>"},
                            {"</movieList>", "</movieListArray></movieList>"}});
}

QMOnPlayListProvider::Verdict QMOnPlayListProvider::judgeAnswer(const QNetworkRequest &,
                                                                std::shared_ptr<MovieList> list)
{
    if (list && !list->movieListArray.isEmpty())
        return Verdict::succeed(std::move(list));
    return Verdict::fail();
}

void QMOnPlayListProvider::requestSucceededWithData(const QNetworkRequest &request,
                                                    const QByteArray &data)
{
    QMRecordProvider::requestSucceededWithData(request, data);
    QMNotificationCenter::defaultCenter().post(kOnPlayListNotification, this);
}

void QMOnPlayListProvider::requestFailedWithError(const QNetworkRequest &request,
                                                  const std::optional<QMError> &error)
{
    QMRecordProvider::requestFailedWithError(request, error);
    QMNotificationCenter::defaultCenter().post(kOnPlayListNotification, this);
}
