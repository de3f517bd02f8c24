#pragma once

#include "comments/QMCommentAddProviderDelegate.h"
#include "comments/QMInsertDataProvider.h"

// Writes a comment on a film or a cinema, a post, or a re-post. A refusal carries the service's
// own text.
class QMCommentAddProvider final
    : public QMInsertDataProvider<QMCommentAddProvider, QMCommentAddProviderDelegate>
{
public:
    QMCommentAddProvider();

    QString memberEncode;
    QString relatedid;  // what the comment is about; left out when empty
    QString body;       // as typed
    QString transferid; // the re-posted comment; left out when empty
    unsigned type = 0;  // 0 a cinema, 1 a film, 2 a member; anything else: no tag
    QMWeakDelegate<QMCommentAddProviderDelegate> commentAddDelegate;

    void requestCommentAdd();
};
