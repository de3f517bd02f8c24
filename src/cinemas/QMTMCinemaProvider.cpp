#include "cinemas/QMTMCinemaProvider.h"

#include "net/QMServiceAddress.h"

void QMTMCinemaProvider::requestCinemasForMovie(const QString &movieid, const QDate &onDate)
{
    issueRequest(QMServiceAddress(2)
                     .addKey()
                     .add(QLatin1StringView("movieid"), movieid)
                     .add(QLatin1StringView("playdate"), convertDateToString(onDate))
                     .addEncryptCode());
}
