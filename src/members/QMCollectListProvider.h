#pragma once

#include "members/CollectList.h"
#include "members/QMCollectListProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The members (or cinemas, films) a member follows.
class QMCollectListProvider final
    : public QMRecordProvider<QMCollectListProvider, QMCollectListProviderDelegate, CollectList>
{
public:
    QMCollectListProvider();

    QString memberid;
    unsigned type = 0; // 0 members, 1 cinemas, anything else films
    qint32 from = 0;
    qint32 maxnum = 10;
    QMWeakDelegate<QMCollectListProviderDelegate> collectListDelegate;

    void requestCollectList();

    QByteArray trimXML(const QByteArray &text) const override;
};
