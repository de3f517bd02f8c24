#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MpiList;
class QMMovieFSCProvider;

class QMMovieFSCProviderDelegate
{
public:
    virtual ~QMMovieFSCProviderDelegate() = default;
    virtual void fscProviderDidReceivedMovieList(QMMovieFSCProvider *provider,
                                                 const std::shared_ptr<MpiList> &list) = 0;
    virtual void fscProviderDidRunIntoError(QMMovieFSCProvider *provider,
                                            const std::optional<QMError> &error) = 0;
};
