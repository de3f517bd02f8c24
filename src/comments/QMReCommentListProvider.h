#pragma once

#include "comments/QMCommentListProvider.h"
#include "comments/QMReCommentListProviderDelegate.h"

// The replies to one comment.
class QMReCommentListProvider final
    : public QMCommentListProvider<QMReCommentListProvider, QMReCommentListProviderDelegate>
{
public:
    QMReCommentListProvider();

    QString commentid;
    qint32 from = 0;
    qint32 maxnum = 20;
    QMWeakDelegate<QMReCommentListProviderDelegate> reCommentListDelegate;

    void requestReCommentList();
};
