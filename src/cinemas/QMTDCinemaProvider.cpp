#include "cinemas/QMTDCinemaProvider.h"

#include "net/QMServiceAddress.h"

void QMTDCinemaProvider::requestCinemaListForDistrict(const QString &countycode)
{
    issueRequest(QMServiceAddress(0)
                     .add(QLatin1StringView("countycode"), countycode)
                     .addKey()
                     .addEncryptCode());
}
