#include "members/QMCollectListProvider.h"

#include "net/QMServiceAddress.h"

QMCollectListProvider::QMCollectListProvider()
    : QMRecordProvider(&QMCollectListProvider::collectListDelegate,
                       &QMCollectListProviderDelegate::collectListProviderDidReceiveCollectList,
                       &QMCollectListProviderDelegate::collectListProviderDidRunIntoError,
                       QLatin1StringView("date"))
{}

void QMCollectListProvider::requestCollectList()
{
    issueRequest(QMServiceAddress(30)
                     .add(QLatin1StringView("memberid"), memberid)
                     .add(QLatin1StringView("tag"), Collect::tagForType(type))
                     .add(QLatin1StringView("from"), from)
                     .add(QLatin1StringView("maxnum"), maxnum)
                     .addKey()
                     .addEncryptCode());
}

QByteArray QMCollectListProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"<collectList>", "<collectList><collectArray>"},
                            {"</collectList>", "</collectArray></collectList>"}});
}
