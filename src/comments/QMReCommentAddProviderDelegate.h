#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMReCommentAddProvider;

class QMReCommentAddProviderDelegate
{
public:
    virtual ~QMReCommentAddProviderDelegate() = default;
    virtual void
    reCommentAddProviderDidReceiveInsertData(QMReCommentAddProvider *provider,
                                             const std::shared_ptr<InsertData> &data) = 0;
    virtual void reCommentAddProviderDidRunIntoError(QMReCommentAddProvider *provider,
                                                     const std::optional<QMError> &error) = 0;
};
