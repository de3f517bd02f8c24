#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MemberCache;
class QMLoginProvider;

class QMLoginProviderDelegate
{
public:
    virtual ~QMLoginProviderDelegate() = default;
    virtual void loginProviderDidReceiveUserInfo(QMLoginProvider *provider,
                                                 const std::shared_ptr<MemberCache> &member) = 0;
    virtual void loginProviderDidRunIntoError(QMLoginProvider *provider,
                                              const std::optional<QMError> &error) = 0;
};
