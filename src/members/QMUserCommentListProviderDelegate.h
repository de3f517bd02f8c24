#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMUserCommentListProvider;

class QMUserCommentListProviderDelegate
{
public:
    virtual ~QMUserCommentListProviderDelegate() = default;
    virtual void
    userCommentListProviderDidReceiveUserCommentList(QMUserCommentListProvider *provider,
                                                     const std::shared_ptr<CommentList> &list) = 0;
    virtual void userCommentListProviderDidRunIntoError(QMUserCommentListProvider *provider,
                                                        const std::optional<QMError> &error) = 0;
};
