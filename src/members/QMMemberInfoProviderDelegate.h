#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MemberInfo;
class QMMemberInfoProvider;

class QMMemberInfoProviderDelegate
{
public:
    virtual ~QMMemberInfoProviderDelegate() = default;
    virtual void
    memberInfoProviderDidReceiveMemberInfo(QMMemberInfoProvider *provider,
                                           const std::shared_ptr<MemberInfo> &info) = 0;
    virtual void memberInfoProviderDidRunIntoError(QMMemberInfoProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
