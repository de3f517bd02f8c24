#include "films/QMToPlayListProvider.h"

#include "net/QMServiceAddress.h"

QMToPlayListProvider::QMToPlayListProvider()
    : QMRecordProvider(&QMToPlayListProvider::playListDelegate,
                       &QMToPlayListProviderDelegate::listProviderDidReceivedMovieList,
                       &QMToPlayListProviderDelegate::listProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMToPlayListProvider::sendRequest()
{
    issueRequest(QMServiceAddress(8)
                     .add(QLatin1StringView("charging"), QStringLiteral("times"))
                     .add(QLatin1StringView("from"), from)
                     .add(QLatin1StringView("maxnum"), maxnum)
                     .addKey()
                     .addEncryptCode());
}

QByteArray QMToPlayListProvider::trimXMLString(const QByteArray &text) const
{
    return replacing(text, {{"movie>", "Simplemovie>"},
                            {"<movieList>", "<movieList><movieListArray>"},
                            {"</movieList>", "</movieListArray></movieList>"}});
}
