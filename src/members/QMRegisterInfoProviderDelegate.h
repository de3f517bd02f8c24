#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MemberCache;
class QMRegisterInfoProvider;

class QMRegisterInfoProviderDelegate
{
public:
    virtual ~QMRegisterInfoProviderDelegate() = default;
    virtual void
    registerProviderDidReceivedMemberInfo(QMRegisterInfoProvider *provider,
                                          const std::shared_ptr<MemberCache> &member) = 0;
    virtual void registerProviderDidRunIntoError(QMRegisterInfoProvider *provider,
                                                 const std::optional<QMError> &error) = 0;
};
