#pragma once

#include "net/QMError.h"

#include <optional>

class QByteArray;
class QString;

// Receives the outcome of one picture download. Called on the download's worker thread.
class QMImageLoaderOperationDelegate
{
public:
    virtual ~QMImageLoaderOperationDelegate() = default;

    virtual void didReceiveImageForUrl(const QByteArray &bytes, const QString &url) = 0;
    virtual void didReveivedErrorForUrl(const std::optional<QMError> &error,
                                        const QString &url) = 0;
};
