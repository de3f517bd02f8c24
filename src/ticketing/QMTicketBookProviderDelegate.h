#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class Order;
class QMTicketBookProvider;

class QMTicketBookProviderDelegate
{
public:
    virtual ~QMTicketBookProviderDelegate() = default;
    virtual void ticketBookProviderDidReceivedOrder(QMTicketBookProvider *provider,
                                                    const std::shared_ptr<Order> &order) = 0;
    virtual void ticketBookProviderDidRunIntoError(QMTicketBookProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
