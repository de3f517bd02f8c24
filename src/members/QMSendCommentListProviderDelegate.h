#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class CommentList;
class QMSendCommentListProvider;

class QMSendCommentListProviderDelegate
{
public:
    virtual ~QMSendCommentListProviderDelegate() = default;
    virtual void
    sendCommentListProviderDidReceiveCommentList(QMSendCommentListProvider *provider,
                                                 const std::shared_ptr<CommentList> &list) = 0;
    virtual void sendCommentListProviderDidRunIntoError(QMSendCommentListProvider *provider,
                                                        const std::optional<QMError> &error) = 0;
};
