#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CinemaList;
class QMCinemaProvider;

class QMCinemaProviderDelegate
{
public:
    virtual ~QMCinemaProviderDelegate() = default;
    virtual void cinemaProviderDidReceivedCinemaList(QMCinemaProvider *provider,
                                                     const std::shared_ptr<CinemaList> &list) = 0;
    virtual void cinemaProviderDidRunIntoError(QMCinemaProvider *provider,
                                               const std::optional<QMError> &error) = 0;
};
