#include "members/QMLoginProvider.h"

#include "members/QMMemberPosition.h"
#include "net/QMDataProvider.h"
#include "net/QMServiceAddress.h"

#include <QUrlQuery>

namespace {
QString logInfoPath()
{
    return QMDataProvider::fileForCache(1);
}
} // namespace

QMLoginProvider::QMLoginProvider()
    : QMRecordProvider(&QMLoginProvider::loginDelegate,
                       &QMLoginProviderDelegate::loginProviderDidReceiveUserInfo,
                       &QMLoginProviderDelegate::loginProviderDidRunIntoError,
                       QLatin1StringView("data"))
{
    if (const auto remembered = readCache()) {
        username = remembered->userName;
        password = remembered->passWord;
    }
}

void QMLoginProvider::requestLogin()
{
    QMServiceAddress address(13);
    address.addUserText(QLatin1StringView("username"), username)
        .addUserText(QLatin1StringView("password"), password)
        .addKey()
        .addEncryptCode();
    issueRequest(QMMemberPosition::addTo(address));
}

std::optional<LogInfo> QMLoginProvider::readCache() const
{
    return LogInfo::readFromFile(logInfoPath());
}

bool QMLoginProvider::writeCache() const
{
    return LogInfo{username, password}.writeToFile(logInfoPath());
}

QByteArray QMLoginProvider::trimXML(const QByteArray &text) const
{
    return replacing(
        text, {{"<memberEncode>", "<user><memberEncode>"}, {"</memberid>", "</memberid></user>"}});
}

QMLoginProvider::Verdict QMLoginProvider::judgeAnswer(const QNetworkRequest &request,
                                                      std::shared_ptr<MemberCache> member)
{
    loginMemeber = member;
    // Signed in only with both identifiers: an answer without them could act for nobody.
    const bool signedIn = member && member->error.isEmpty() && !member->memberEncode.isEmpty() &&
                          !member->memberid.isEmpty();
    QMDataProvider::DataProvider()->setIsLogged(signedIn);
    if (!signedIn) {
        const bool refused = member && !member->error.isEmpty();
        return Verdict::fail(
            QMError::message(refused ? member->error : QStringLiteral("与后台通讯错误")));
    }
    // What is remembered is what was sent: the fields may have been typed over meanwhile.
    const QUrlQuery sent(request.url());
    LogInfo{sent.queryItemValue(QStringLiteral("username"), QUrl::FullyDecoded),
            sent.queryItemValue(QStringLiteral("password"), QUrl::FullyDecoded)}
        .writeToFile(logInfoPath());
    return Verdict::succeed(std::move(member));
}

QMLoginProvider::Verdict QMLoginProvider::judgeFailure(const QNetworkRequest &,
                                                       const std::optional<QMError> &error)
{
    QMDataProvider::DataProvider()->setIsLogged(false);
    return Verdict::fail(error);
}
