#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMReceiveCommentProvider;

class QMReceiveCommentProviderDelegate
{
public:
    virtual ~QMReceiveCommentProviderDelegate() = default;
    virtual void
    receiveCommentProviderDidReceiveCommentList(QMReceiveCommentProvider *provider,
                                                const std::shared_ptr<CommentList> &list) = 0;
    virtual void receiveCommentProviderDidRunIntoError(QMReceiveCommentProvider *provider,
                                                       const std::optional<QMError> &error) = 0;
};
