#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class MovieList;
class QMOnPlayListProvider;

class QMOnPlayListProviderDelegate
{
public:
    virtual ~QMOnPlayListProviderDelegate() = default;
    virtual void onPlayListProviderDidReceivedMovieList(QMOnPlayListProvider *provider,
                                                        const std::shared_ptr<MovieList> &list) = 0;
    virtual void onPlayListProviderDidRunIntoError(QMOnPlayListProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
