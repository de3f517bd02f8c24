#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMCollectDelProvider;

class QMCollectDelProviderDelegate
{
public:
    virtual ~QMCollectDelProviderDelegate() = default;
    virtual void
    collectDelProviderDidReceiveInsertData(QMCollectDelProvider *provider,
                                           const std::shared_ptr<InsertData> &data) = 0;
    virtual void collectDelProviderDidRunIntoError(QMCollectDelProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
