#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMSaveMemberInfoProvider;

class QMSaveMemberInfoProviderDelegate
{
public:
    virtual ~QMSaveMemberInfoProviderDelegate() = default;
    virtual void
    saveMemberInfoProviderDidReceiveInsertData(QMSaveMemberInfoProvider *provider,
                                               const std::shared_ptr<InsertData> &data) = 0;
    virtual void saveMemberInfoProviderDidRunIntoError(QMSaveMemberInfoProvider *provider,
                                                       const std::optional<QMError> &error) = 0;
};
