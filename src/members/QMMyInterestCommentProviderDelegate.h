#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMMyInterestCommentProvider;

class QMMyInterestCommentProviderDelegate
{
public:
    virtual ~QMMyInterestCommentProviderDelegate() = default;
    virtual void myInterestCommentProviderDidReceiveMyInterestComment(
        QMMyInterestCommentProvider *provider, const std::shared_ptr<CommentList> &list) = 0;
    virtual void myInterestCommentProviderDidRunIntoError(QMMyInterestCommentProvider *provider,
                                                          const std::optional<QMError> &error) = 0;
};
