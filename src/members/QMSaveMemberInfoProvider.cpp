#include "members/QMSaveMemberInfoProvider.h"

#include "net/QMServiceAddress.h"

QMSaveMemberInfoProvider::QMSaveMemberInfoProvider()
    : QMInsertDataProvider(
          &QMSaveMemberInfoProvider::saveMemberInfoDelegate,
          &QMSaveMemberInfoProviderDelegate::saveMemberInfoProviderDidReceiveInsertData,
          &QMSaveMemberInfoProviderDelegate::saveMemberInfoProviderDidRunIntoError,
          QStringLiteral("错误"), QStringLiteral("UnKnown Error"))
{}

void QMSaveMemberInfoProvider::requestSaveMemberInfo()
{
    QMServiceAddress address(22);
    address.add(QLatin1StringView("memberEncode"), memberEncode);
    if (!sex.isEmpty())
        address.addUserText(QLatin1StringView("sex"), sex);
    if (!mobile.isEmpty())
        address.addUserText(QLatin1StringView("mobile"), mobile);
    issueRequest(address.addKey().addEncryptCode());
}
