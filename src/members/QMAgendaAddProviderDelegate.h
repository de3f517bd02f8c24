#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMAgendaAddProvider;

class QMAgendaAddProviderDelegate
{
public:
    virtual ~QMAgendaAddProviderDelegate() = default;
    virtual void agendaAddProviderDidReceiveInsertData(QMAgendaAddProvider *provider,
                                                       const std::shared_ptr<InsertData> &data) = 0;
    virtual void agendaAddProviderDidRunIntoError(QMAgendaAddProvider *provider,
                                                  const std::optional<QMError> &error) = 0;
};
