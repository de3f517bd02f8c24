#include "members/QMRegisterInfoProvider.h"

#include "members/QMMemberPosition.h"
#include "net/QMDataProvider.h"
#include "net/QMServiceAddress.h"

QMRegisterInfoProvider::QMRegisterInfoProvider()
    : QMRecordProvider(&QMRegisterInfoProvider::registerDelegate,
                       &QMRegisterInfoProviderDelegate::registerProviderDidReceivedMemberInfo,
                       &QMRegisterInfoProviderDelegate::registerProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMRegisterInfoProvider::requestForRegister()
{
    if (email.isEmpty() || password.isEmpty() || nickname.isEmpty())
        return;
    QMServiceAddress address(14);
    address.addUserText(QLatin1StringView("email"), email)
        .addUserText(QLatin1StringView("password"), password)
        .addUserText(QLatin1StringView("nickname"), nickname);
    issueRequest(QMMemberPosition::addTo(address).addKey().addEncryptCode());
}

QByteArray QMRegisterInfoProvider::trimXML(const QByteArray &text) const
{
    return replacing(text,
                     {{"<data>", "<data><memberCache>"}, {"</data>", "</memberCache></data>"}});
}

QMRegisterInfoProvider::Verdict
QMRegisterInfoProvider::judgeAnswer(const QNetworkRequest &, std::shared_ptr<MemberCache> member)
{
    const bool registered = member && member->error.isEmpty();
    QMDataProvider::DataProvider()->setIsRegistered(registered);
    if (!registered)
        return Verdict::fail(QMError::message(member ? member->error : QStringLiteral("错误")));
    return Verdict::succeed(std::move(member));
}

QMRegisterInfoProvider::Verdict QMRegisterInfoProvider::judgeFailure(const QNetworkRequest &,
                                                                     const std::optional<QMError> &)
{
    QMDataProvider::DataProvider()->setIsRegistered(false);
    return Verdict::fail(QMError::message(QStringLiteral("与后台通讯错误")));
}
