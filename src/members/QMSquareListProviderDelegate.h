#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMSquareListProvider;

class QMSquareListProviderDelegate
{
public:
    virtual ~QMSquareListProviderDelegate() = default;
    virtual void
    squareListProviderDidReceiveSquareList(QMSquareListProvider *provider,
                                           const std::shared_ptr<CommentList> &list) = 0;
    virtual void squareListProviderDidRunIntoError(QMSquareListProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
