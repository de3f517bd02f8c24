#include "cinemas/QMopcListProvider.h"

#include "net/QMServiceAddress.h"

QMopcListProvider::QMopcListProvider()
    : QMRecordProvider(&QMopcListProvider::opcListDelegate,
                       &QMopcListProviderDelegate::opcListProviderDidReceiveCinemaList,
                       &QMopcListProviderDelegate::opcListProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMopcListProvider::requestOpcList(const QDate &date)
{
    issueRequest(QMServiceAddress(27)
                     .add(QLatin1StringView("playdate"), convertDateToString(date))
                     .addKey()
                     .addEncryptCode());
}

QByteArray QMopcListProvider::trimXML(const QByteArray &text) const
{
    // The cinemas stand directly in the answer's root: the list is wrapped around them.
    return replacing(text, {{"<data>", "<data><cinemaList><cinemaArray>"},
                            {"</data>", "</cinemaArray></cinemaList></data>"},
                            {"cinema>", "opCinema>"}});
}
