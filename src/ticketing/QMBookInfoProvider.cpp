#include "ticketing/QMBookInfoProvider.h"

#include "net/QMEncoderProvider.h"
#include "net/QMServiceAddress.h"

QMBookInfoProvider::QMBookInfoProvider()
    : QMRecordProvider(&QMBookInfoProvider::bookInfoDelegate,
                       &QMBookInfoProviderDelegate::bookInfoProviderDidReceivedSeatInfo,
                       &QMBookInfoProviderDelegate::bookInfoProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMBookInfoProvider::requestForMpi(const QString &mpid)
{
    if (mpid.isEmpty())
        return;
    issueRequest(QMServiceAddress(10)
                     .add(QLatin1StringView("mpid"), mpid)
                     .addKey()
                     .addEncryptCode(QMEncoderProvider::GetEncodeStringWithMpi(mpid)));
}

QByteArray QMBookInfoProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"<data>", "<data><bookInfo>"}, {"</data>", "</bookInfo></data>"}});
}

QMBookInfoProvider::Verdict QMBookInfoProvider::judgeAnswer(const QNetworkRequest &,
                                                            std::shared_ptr<BookInfo> info)
{
    if (info && !info->error.isEmpty())
        return Verdict::fail(QMError::message(info->error));
    return Verdict::succeed(std::move(info));
}
