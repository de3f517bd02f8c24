#include "members/QMAgendaAddProvider.h"

#include "net/QMServiceAddress.h"

QMAgendaAddProvider::QMAgendaAddProvider()
    : QMInsertDataProvider(&QMAgendaAddProvider::agendaAddDelegate,
                           &QMAgendaAddProviderDelegate::agendaAddProviderDidReceiveInsertData,
                           &QMAgendaAddProviderDelegate::agendaAddProviderDidRunIntoError,
                           QStringLiteral("错误"), QStringLiteral("错误"))
{}

void QMAgendaAddProvider::requestAgendaAdd()
{
    issueRequest(QMServiceAddress(24)
                     .add(QLatin1StringView("memberEncode"), memberEncode)
                     .add(QLatin1StringView("mpid"), mpid)
                     .addKey()
                     .addEncryptCode());
}
