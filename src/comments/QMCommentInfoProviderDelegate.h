#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class Comment;
class QMCommentInfoProvider;

class QMCommentInfoProviderDelegate
{
public:
    virtual ~QMCommentInfoProviderDelegate() = default;
    virtual void commentInfoProviderDidReceivedComment(QMCommentInfoProvider *provider,
                                                       const std::shared_ptr<Comment> &comment) = 0;
    virtual void commentInfoProviderDidRunIntoError(QMCommentInfoProvider *provider,
                                                    const std::optional<QMError> &error) = 0;
};
