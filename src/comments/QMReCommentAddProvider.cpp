#include "comments/QMReCommentAddProvider.h"

#include "net/QMServiceAddress.h"

QMReCommentAddProvider::QMReCommentAddProvider()
    : QMInsertDataProvider(
          &QMReCommentAddProvider::reCommentAddDelegate,
          &QMReCommentAddProviderDelegate::reCommentAddProviderDidReceiveInsertData,
          &QMReCommentAddProviderDelegate::reCommentAddProviderDidRunIntoError,
          QStringLiteral("错误"), QStringLiteral("错误"))
{}

void QMReCommentAddProvider::requestReCommentAdd()
{
    if (commentid.isEmpty())
        return;
    issueRequest(QMServiceAddress(20)
                     .add(QLatin1StringView("commentid"), commentid)
                     .add(QLatin1StringView("memberEncode"), memberEncode)
                     .addUserText(QLatin1StringView("body"), body)
                     .addKey()
                     .addEncryptCode());
}
