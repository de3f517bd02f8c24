#include "members/QMMyLiveListProvider.h"

#include "net/QMServiceAddress.h"

QMMyLiveListProvider::QMMyLiveListProvider()
    : QMRecordProvider(&QMMyLiveListProvider::myLiveDelegate,
                       &QMMyLiveProviderDelegate::myLiveProviderDidReceiveAgendaList,
                       &QMMyLiveProviderDelegate::myLiveProviderDidRunIntoError,
                       QLatin1StringView("date"))
{}

void QMMyLiveListProvider::requestMyLive()
{
    const char *week = type == 0 ? "thisweek" : type == 1 ? "nextweek" : "lastweek";
    issueRequest(QMServiceAddress(16)
                     .add(QLatin1StringView("memberid"), memberid)
                     .addKey()
                     .addEncryptCode()
                     .add(QLatin1StringView("datetype"), QString::fromLatin1(week)));
}

QByteArray QMMyLiveListProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"<agendaList>", "<agendaList><agendaArray>"},
                            {"</agendaList>", "</agendaArray></agendaList>"}});
}
