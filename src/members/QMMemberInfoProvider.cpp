#include "members/QMMemberInfoProvider.h"

#include "net/QMServiceAddress.h"

QMMemberInfoProvider::QMMemberInfoProvider()
    : QMRecordProvider(&QMMemberInfoProvider::memberInfoProvieDelegate,
                       &QMMemberInfoProviderDelegate::memberInfoProviderDidReceiveMemberInfo,
                       &QMMemberInfoProviderDelegate::memberInfoProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMMemberInfoProvider::requestMemberInfo()
{
    issueRequest(QMServiceAddress(26)
                     .add(QLatin1StringView("memberid"), memberid)
                     .addKey()
                     .addEncryptCode());
}
