#pragma once

#include "members/MemberList.h"
#include "members/QMNearbyUserProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The members near the device.
class QMNearbyUserProvider final
    : public QMRecordProvider<QMNearbyUserProvider, QMNearbyUserProviderDelegate, MemberList>
{
public:
    QMNearbyUserProvider();

    QMWeakDelegate<QMNearbyUserProviderDelegate> userDelegate;

    void requestNearbyMemberInDistance(qint32 radius);

    QByteArray trimXML(const QByteArray &text) const override;
};
