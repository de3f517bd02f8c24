#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MemberList;
class QMNearbyUserProvider;

class QMNearbyUserProviderDelegate
{
public:
    virtual ~QMNearbyUserProviderDelegate() = default;
    virtual void
    nearbyUserProviderDidReceiveMemberList(QMNearbyUserProvider *provider,
                                           const std::shared_ptr<MemberList> &list) = 0;
    virtual void nearbyUserProviderDidRunIntoError(QMNearbyUserProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
