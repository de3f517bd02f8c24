#pragma once

#include "net/QMRecordProvider.h"
#include "ticketing/BookInfo.h"
#include "ticketing/QMBookInfoProviderDelegate.h"

// The seat map of one screening. A refusal of the service reaches the delegate as an error of
// code -1 whose domain is the service's text; an answer that cannot be read as a map with
// nothing (an empty map, no message).
class QMBookInfoProvider final
    : public QMRecordProvider<QMBookInfoProvider, QMBookInfoProviderDelegate, BookInfo>
{
public:
    QMBookInfoProvider();

    QMWeakDelegate<QMBookInfoProviderDelegate> bookInfoDelegate;

    // Without a screening nothing is sent and nothing reported.
    void requestForMpi(const QString &mpid);

    QByteArray trimXML(const QByteArray &text) const override;

protected:
    Verdict judgeAnswer(const QNetworkRequest &request, std::shared_ptr<BookInfo> info) override;
};
