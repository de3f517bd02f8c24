#include "comments/QMReCommentListProvider.h"

#include "net/QMServiceAddress.h"

QMReCommentListProvider::QMReCommentListProvider()
    : QMCommentListProvider(
          QMCommentListShape::Replies, &QMReCommentListProvider::reCommentListDelegate,
          &QMReCommentListProviderDelegate::reCommentListProviderDidReceiveCommentList,
          &QMReCommentListProviderDelegate::reCommentListProviderDidRunIntoError)
{}

void QMReCommentListProvider::requestReCommentList()
{
    issueRequest(QMServiceAddress(17)
                     .add(QLatin1StringView("commentid"), commentid)
                     .add(QLatin1StringView("from"), from)
                     .add(QLatin1StringView("maxnum"), maxnum)
                     .addKey()
                     .addEncryptCode());
}
