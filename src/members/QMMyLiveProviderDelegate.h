#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class AgendaList;
class QMMyLiveListProvider;

class QMMyLiveProviderDelegate
{
public:
    virtual ~QMMyLiveProviderDelegate() = default;
    virtual void myLiveProviderDidReceiveAgendaList(QMMyLiveListProvider *provider,
                                                    const std::shared_ptr<AgendaList> &list) = 0;
    virtual void myLiveProviderDidRunIntoError(QMMyLiveListProvider *provider,
                                               const std::optional<QMError> &error) = 0;
};
