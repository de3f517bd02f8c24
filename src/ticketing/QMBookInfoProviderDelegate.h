#pragma once

#include "net/QMError.h"

#include <memory>
#include <optional>

class BookInfo;
class QMBookInfoProvider;

class QMBookInfoProviderDelegate
{
public:
    virtual ~QMBookInfoProviderDelegate() = default;
    virtual void bookInfoProviderDidReceivedSeatInfo(QMBookInfoProvider *provider,
                                                     const std::shared_ptr<BookInfo> &info) = 0;
    virtual void bookInfoProviderDidRunIntoError(QMBookInfoProvider *provider,
                                                 const std::optional<QMError> &error) = 0;
};
