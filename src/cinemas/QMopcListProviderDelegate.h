#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class OpCinemaList;
class QMopcListProvider;

class QMopcListProviderDelegate
{
public:
    virtual ~QMopcListProviderDelegate() = default;
    virtual void opcListProviderDidReceiveCinemaList(QMopcListProvider *provider,
                                                     const std::shared_ptr<OpCinemaList> &list) = 0;
    virtual void opcListProviderDidRunIntoError(QMopcListProvider *provider,
                                                const std::optional<QMError> &error) = 0;
};
