#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMSignPointProvider;

class QMSingPointProviderDelegate
{
public:
    virtual ~QMSingPointProviderDelegate() = default;
    virtual void singPointProviderDidReceiveInsertData(QMSignPointProvider *provider,
                                                       const std::shared_ptr<InsertData> &data) = 0;
    virtual void singPointProviderDidRunIntoError(QMSignPointProvider *provider,
                                                  const std::optional<QMError> &error) = 0;
};
