#pragma once

#include "comments/QMInsertDataProvider.h"
#include "members/QMSaveMemberInfoProviderDelegate.h"

// Changes the signed-in member's sex or mobile number.
class QMSaveMemberInfoProvider final
    : public QMInsertDataProvider<QMSaveMemberInfoProvider, QMSaveMemberInfoProviderDelegate>
{
public:
    QMSaveMemberInfoProvider();

    QString memberEncode;
    QString sex;    // "男" or "女"; left out when empty
    QString mobile; // as typed; left out when empty
    QMWeakDelegate<QMSaveMemberInfoProviderDelegate> saveMemberInfoDelegate;

    void requestSaveMemberInfo();
};
