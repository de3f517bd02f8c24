#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMAtCommentProvider;

class QMAtCommentProviderDelegate
{
public:
    virtual ~QMAtCommentProviderDelegate() = default;
    virtual void
    atCommentProviderDidReceiveAtCommentList(QMAtCommentProvider *provider,
                                             const std::shared_ptr<CommentList> &list) = 0;
    virtual void atCommentProviderDidRunIntoError(QMAtCommentProvider *provider,
                                                  const std::optional<QMError> &error) = 0;
};
