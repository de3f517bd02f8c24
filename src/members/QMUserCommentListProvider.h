#pragma once

#include "members/QMUserCommentListProviderDelegate.h"
#include "members/QMFeedProvider.h"

// The posts a member wrote, newest first.
class QMUserCommentListProvider final
    : public QMFeedProvider<QMUserCommentListProvider, QMUserCommentListProviderDelegate>
{
public:
    QMUserCommentListProvider();

    QMWeakDelegate<QMUserCommentListProviderDelegate> userCommentListDelegate;

    void requestUserCommentList() { requestFeed(); }
};
