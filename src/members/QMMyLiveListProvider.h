#pragma once

#include "members/AgendaList.h"
#include "members/QMMyLiveProviderDelegate.h"
#include "net/QMRecordProvider.h"

// A member's plans for one week.
class QMMyLiveListProvider final
    : public QMRecordProvider<QMMyLiveListProvider, QMMyLiveProviderDelegate, AgendaList>
{
public:
    QMMyLiveListProvider();

    QString memberid;
    unsigned type = 0; // 0 this week, 1 next week, anything else last week
    QMWeakDelegate<QMMyLiveProviderDelegate> myLiveDelegate;

    void requestMyLive();

    QByteArray trimXML(const QByteArray &text) const override;
};
