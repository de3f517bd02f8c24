#pragma once

#include "members/QMSendCommentListProviderDelegate.h"
#include "members/QMFeedProvider.h"

// The replies a member wrote.
class QMSendCommentListProvider final
    : public QMFeedProvider<QMSendCommentListProvider, QMSendCommentListProviderDelegate>
{
public:
    QMSendCommentListProvider();

    QMWeakDelegate<QMSendCommentListProviderDelegate> sendCommentListDelegate;

    void requestSendCommentList() { requestFeed(); }
};
