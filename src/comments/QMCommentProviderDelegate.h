#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMCommentProvider;

class QMCommentProviderDelegate
{
public:
    virtual ~QMCommentProviderDelegate() = default;
    virtual void
    commentProviderDidReceivedCommentList(QMCommentProvider *provider,
                                          const std::shared_ptr<CommentList> &list) = 0;
    virtual void commentProviderDidRunIntoError(QMCommentProvider *provider,
                                                const std::optional<QMError> &error) = 0;
};
