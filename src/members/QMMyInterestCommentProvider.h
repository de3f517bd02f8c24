#pragma once

#include "members/QMFeedProvider.h"
#include "members/QMMyInterestCommentProviderDelegate.h"

// The posts within an area that concern a member.
class QMMyInterestCommentProvider final
    : public QMFeedProvider<QMMyInterestCommentProvider, QMMyInterestCommentProviderDelegate>
{
public:
    QMMyInterestCommentProvider();

    unsigned type = 0; // the area: 0 "place", 1 "indexarea", 2 "city"
    QMWeakDelegate<QMMyInterestCommentProviderDelegate> myInterestCommentDelegate;

    void requestMyInterestComment() { requestFeed(); }

protected:
    void addArea(QMServiceAddress &address) const override;
};
