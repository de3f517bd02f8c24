#pragma once

#include "members/QMFeedProvider.h"
#include "members/QMSquareListProviderDelegate.h"

// The square: posts of members around the given member, within an area, near the device.
class QMSquareListProvider final
    : public QMFeedProvider<QMSquareListProvider, QMSquareListProviderDelegate>
{
public:
    QMSquareListProvider();

    unsigned type = 0; // the area: 0 "place", 1 "indexarea", 2 "city"
    QMWeakDelegate<QMSquareListProviderDelegate> squareListDelegate;

    void requestSquareList() { requestFeed(); }

protected:
    void addArea(QMServiceAddress &address) const override;
};
