#pragma once

#include "comments/Comment.h"
#include "comments/QMCommentInfoProviderDelegate.h"
#include "net/QMRecordProvider.h"

// One comment by its identifier.
class QMCommentInfoProvider final
    : public QMRecordProvider<QMCommentInfoProvider, QMCommentInfoProviderDelegate, Comment>
{
public:
    QMCommentInfoProvider();

    QString commentId;
    QMWeakDelegate<QMCommentInfoProviderDelegate> commentInfoDelegate;

    void requestCommentInfo();
};
