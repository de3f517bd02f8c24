#pragma once

#include "comments/QMInsertDataProvider.h"
#include "comments/QMReCommentAddProviderDelegate.h"

// Writes a reply to a comment. Every refusal reads "错误".
class QMReCommentAddProvider final
    : public QMInsertDataProvider<QMReCommentAddProvider, QMReCommentAddProviderDelegate>
{
public:
    QMReCommentAddProvider();

    QString commentid; // the comment replied to
    QString memberEncode;
    QString body; // as typed
    QMWeakDelegate<QMReCommentAddProviderDelegate> reCommentAddDelegate;

    // Without a comment nothing is sent and nothing reported.
    void requestReCommentAdd();
};
