#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class Cinema;
class QMCinemaInfoProvider;

class QMCinemaInfoProviderDelegate
{
public:
    virtual ~QMCinemaInfoProviderDelegate() = default;
    virtual void cinemaInfoProviderDidReceiveCinemaInfo(QMCinemaInfoProvider *provider,
                                                        const std::shared_ptr<Cinema> &info) = 0;
    virtual void cinemaInfoProviderDidRunIntoError(QMCinemaInfoProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
