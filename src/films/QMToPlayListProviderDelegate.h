#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MovieList;
class QMToPlayListProvider;

class QMToPlayListProviderDelegate
{
public:
    virtual ~QMToPlayListProviderDelegate() = default;
    virtual void listProviderDidReceivedMovieList(QMToPlayListProvider *provider,
                                                  const std::shared_ptr<MovieList> &list) = 0;
    virtual void listProviderDidRunIntoError(QMToPlayListProvider *provider,
                                             const std::optional<QMError> &error) = 0;
};
