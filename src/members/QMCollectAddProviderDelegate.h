#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMCollectAddProvider;

class QMCollectAddProviderDelegate
{
public:
    virtual ~QMCollectAddProviderDelegate() = default;
    virtual void
    collectAddProviderDidReceiveInsertData(QMCollectAddProvider *provider,
                                           const std::shared_ptr<InsertData> &data) = 0;
    virtual void collectAddProviderDidRunIntoError(QMCollectAddProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
