#pragma once

#include "members/MemberInfo.h"
#include "members/QMMemberInfoProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The profile of any member.
class QMMemberInfoProvider final
    : public QMRecordProvider<QMMemberInfoProvider, QMMemberInfoProviderDelegate, MemberInfo>
{
public:
    QMMemberInfoProvider();

    QString memberid;
    QMWeakDelegate<QMMemberInfoProviderDelegate> memberInfoProvieDelegate;

    void requestMemberInfo();
};
