#include "comments/QMCommentProvider.h"

#include "net/QMServiceAddress.h"

QMCommentProvider::QMCommentProvider()
    : QMCommentListProvider(QMCommentListShape::Comments, &QMCommentProvider::commentDelegate,
                            &QMCommentProviderDelegate::commentProviderDidReceivedCommentList,
                            &QMCommentProviderDelegate::commentProviderDidRunIntoError)
{}

void QMCommentProvider::requestComments()
{
    if (targetId.isEmpty())
        return;
    issueRequest(QMServiceAddress(12)
                     .addKey()
                     .addEncryptCode()
                     .add(QLatin1StringView("tag"),
                          type != 0 ? QStringLiteral("movie") : QStringLiteral("cinema"))
                     .add(QLatin1StringView("relatedid"), targetId)
                     .add(QLatin1StringView("from"), startIndex)
                     .add(QLatin1StringView("maxnum"), maxReturn));
}
