#pragma once

#include "members/QMAtCommentProviderDelegate.h"
#include "members/QMFeedProvider.h"

// The posts that name a member.
class QMAtCommentProvider final
    : public QMFeedProvider<QMAtCommentProvider, QMAtCommentProviderDelegate>
{
public:
    QMAtCommentProvider();

    QMWeakDelegate<QMAtCommentProviderDelegate> atCommentDelegate;

    void requestAtComment() { requestFeed(); }
};
