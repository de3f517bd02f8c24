#include "comments/QMCommentAddProvider.h"

#include "net/QMServiceAddress.h"

#include <iterator>

QMCommentAddProvider::QMCommentAddProvider()
    : QMInsertDataProvider(&QMCommentAddProvider::commentAddDelegate,
                           &QMCommentAddProviderDelegate::commentAddProviderDidReceiveInsertData,
                           &QMCommentAddProviderDelegate::commentAddProviderDidRunIntoError,
                           QString(), QStringLiteral("与后台通讯错误"))
{}

void QMCommentAddProvider::requestCommentAdd()
{
    static const char *const tags[] = {"cinema", "movie", "member"};
    QMServiceAddress address(21);
    if (!relatedid.isEmpty())
        address.add(QLatin1StringView("relatedid"), relatedid);
    address.add(QLatin1StringView("memberEncode"), memberEncode)
        .addUserText(QLatin1StringView("body"), body);
    if (!transferid.isEmpty())
        address.add(QLatin1StringView("transferid"), transferid);
    if (type < std::size(tags))
        address.add(QLatin1StringView("tag"), QString::fromLatin1(tags[type]));
    issueRequest(address.addKey().addEncryptCode());
}
