#pragma once

#include "members/QMReceiveCommentProviderDelegate.h"
#include "members/QMFeedProvider.h"

// The replies others wrote to a member's posts.
class QMReceiveCommentProvider final
    : public QMFeedProvider<QMReceiveCommentProvider, QMReceiveCommentProviderDelegate>
{
public:
    QMReceiveCommentProvider();

    QMWeakDelegate<QMReceiveCommentProviderDelegate> receiveCommentDelegate;

    void requestReceiveComment() { requestFeed(); }
};
