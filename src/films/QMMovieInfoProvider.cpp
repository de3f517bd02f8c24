#include "films/QMMovieInfoProvider.h"

#include "net/QMServiceAddress.h"

QMMovieInfoProvider::QMMovieInfoProvider()
    : QMRecordProvider(&QMMovieInfoProvider::movieInfoDelegate,
                       &QMMovieInfoProviderDelegate::movieInfoProviderDidReceivedMovieInfo,
                       &QMMovieInfoProviderDelegate::movieInfoProviderDidRunInfoError,
                       QLatin1StringView("data"))
{}

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
