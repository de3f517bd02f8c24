#pragma once

#include "comments/QMCommentListProvider.h"
#include "comments/QMCommentProviderDelegate.h"

// One page of the comments on a film or a cinema.
class QMCommentProvider final
    : public QMCommentListProvider<QMCommentProvider, QMCommentProviderDelegate>
{
public:
    QMCommentProvider();

    QString targetId;  // the film's or the cinema's identifier
    unsigned type = 0; // 0 a cinema's comments, anything else a film's
    qint32 startIndex = 0;
    qint32 maxReturn = 10;
    QMWeakDelegate<QMCommentProviderDelegate> commentDelegate;

    // Without a target nothing is sent and nothing reported.
    void requestComments();
};
