#include "comments/QMCommentInfoProvider.h"

#include "net/QMServiceAddress.h"

QMCommentInfoProvider::QMCommentInfoProvider()
    : QMRecordProvider(&QMCommentInfoProvider::commentInfoDelegate,
                       &QMCommentInfoProviderDelegate::commentInfoProviderDidReceivedComment,
                       &QMCommentInfoProviderDelegate::commentInfoProviderDidRunIntoError,
                       QLatin1StringView("date"))
{}

void QMCommentInfoProvider::requestCommentInfo()
{
    issueRequest(QMServiceAddress(34)
                     .add(QLatin1StringView("commentid"), commentId)
                     .addKey()
                     .addEncryptCode());
}
