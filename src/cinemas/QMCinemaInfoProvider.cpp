#include "cinemas/QMCinemaInfoProvider.h"

#include "net/QMServiceAddress.h"

QMCinemaInfoProvider::QMCinemaInfoProvider()
    : QMRecordProvider(&QMCinemaInfoProvider::cinemaInfoDelegate,
                       &QMCinemaInfoProviderDelegate::cinemaInfoProviderDidReceiveCinemaInfo,
                       &QMCinemaInfoProviderDelegate::cinemaInfoProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMCinemaInfoProvider::requestInfoForCinema(const QString &cinemaid)
{
    if (cinemaid.isEmpty())
        return;
    issueRequest(QMServiceAddress(3)
                     .add(QLatin1StringView("cinemaid"), cinemaid)
                     .add(QLatin1StringView("service"), QStringLiteral("all"))
                     .add(QLatin1StringView("charging"), QStringLiteral("times"))
                     .addKey()
                     .addEncryptCode());
}
