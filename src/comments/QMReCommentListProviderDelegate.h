#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMReCommentListProvider;

class QMReCommentListProviderDelegate
{
public:
    virtual ~QMReCommentListProviderDelegate() = default;
    virtual void
    reCommentListProviderDidReceiveCommentList(QMReCommentListProvider *provider,
                                               const std::shared_ptr<CommentList> &list) = 0;
    virtual void reCommentListProviderDidRunIntoError(QMReCommentListProvider *provider,
                                                      const std::optional<QMError> &error) = 0;
};
