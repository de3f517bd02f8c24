#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class movie;
class QMMovieInfoProvider;

class QMMovieInfoProviderDelegate
{
public:
    virtual ~QMMovieInfoProviderDelegate() = default;
    virtual void movieInfoProviderDidReceivedMovieInfo(QMMovieInfoProvider *provider,
                                                       const std::shared_ptr<movie> &info) = 0;
    virtual void movieInfoProviderDidRunInfoError(QMMovieInfoProvider *provider,
                                                  const std::optional<QMError> &error) = 0;
};
