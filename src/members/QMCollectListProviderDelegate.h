#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CollectList;
class QMCollectListProvider;

class QMCollectListProviderDelegate
{
public:
    virtual ~QMCollectListProviderDelegate() = default;
    virtual void
    collectListProviderDidReceiveCollectList(QMCollectListProvider *provider,
                                             const std::shared_ptr<CollectList> &list) = 0;
    virtual void collectListProviderDidRunIntoError(QMCollectListProvider *provider,
                                                    const std::optional<QMError> &error) = 0;
};
