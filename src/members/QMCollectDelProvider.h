#pragma once

#include "members/QMCollectChangeProvider.h"
#include "members/QMCollectDelProviderDelegate.h"

// Stops following a member (or a cinema or a film).
class QMCollectDelProvider final
    : public QMCollectChangeProvider<QMCollectDelProvider, QMCollectDelProviderDelegate>
{
public:
    QMCollectDelProvider();

    QMWeakDelegate<QMCollectDelProviderDelegate> collectDelDelegate;

    void requestCollectDel() { requestChange(); }
};
