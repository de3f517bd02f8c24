#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class InsertData;
class QMCommentAddProvider;

class QMCommentAddProviderDelegate
{
public:
    virtual ~QMCommentAddProviderDelegate() = default;
    virtual void
    commentAddProviderDidReceiveInsertData(QMCommentAddProvider *provider,
                                           const std::shared_ptr<InsertData> &data) = 0;
    virtual void commentAddProviderDidRunIntoError(QMCommentAddProvider *provider,
                                                   const std::optional<QMError> &error) = 0;
};
