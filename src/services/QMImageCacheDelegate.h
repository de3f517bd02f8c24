#pragma once

#include "net/QMError.h"

#include <optional>

class QImage;
class QString;

// A screen waiting for a picture of the image cache. The object behind it must also be a QObject:
// the cache holds it weakly and never calls one that is gone. Both calls come on the main thread.
class QMImageCacheDelegate
{
public:
    virtual ~QMImageCacheDelegate() = default;

    virtual void didRecievedImageForUrl(const QImage &image, const QString &url) = 0;
    // A picture that could not be had (no error object: the placeholder simply stays).
    virtual void didRunIntoErrorForUrl(const std::optional<QMError> &error, const QString &url) = 0;
};
