#pragma once

#include "members/QMCollectAddProviderDelegate.h"
#include "members/QMCollectChangeProvider.h"

// Follows a member (or marks a cinema or a film).
class QMCollectAddProvider final
    : public QMCollectChangeProvider<QMCollectAddProvider, QMCollectAddProviderDelegate>
{
public:
    QMCollectAddProvider();

    QMWeakDelegate<QMCollectAddProviderDelegate> collectAddDelegate;

    void requestCollectAdd() { requestChange(); }
};
