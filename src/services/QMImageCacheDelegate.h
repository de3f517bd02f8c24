#pragma once

class QImage;
class QString;

// A screen waiting for a picture of the image cache. The object behind it must also be a QObject:
// the cache holds it weakly and never calls one that is gone. Both calls come on the main thread.
class QMImageCacheDelegate
{
public:
    virtual ~QMImageCacheDelegate() = default;

    virtual void didRecievedImageForUrl(const QImage &image, const QString &url) = 0;
    // error is a short reason for logs; it may be empty.
    virtual void didRunIntoErrorForUrl(const QString &error, const QString &url) = 0;
};
