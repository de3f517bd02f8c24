#pragma once

#include "net/QMWeakDelegate.h"
#include "services/QMImageCacheDelegate.h"
#include "services/QMImageLoaderOperationDelegate.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>

#include <atomic>
#include <memory>

class QMImageLoaderOperation;

// The process-wide picture store: turns an image address into a picture, from its file in the
// documents directory when it has one, otherwise by downloading it on a worker thread, keeping
// it and handing it to the screens that asked, on the main thread. At most 100 pictures are kept;
// the index ("imageDict") survives restarts once written.
class QMImageCache : public QObject, private QMImageLoaderOperationDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMImageCache)

public:
    static constexpr int MaximumImageCount = 100;
    static constexpr int DownloadThreadCount = 4;

    static QMImageCache *defaultCache();
    // Destroys the cache without writing its index. Downloads still running are aborted and no
    // requestor hears from them; the next defaultCache() starts afresh from the files.
    static void CloseCache();

    ~QMImageCache() override;

    // Main thread. The cached picture, or a null image: then the picture is downloaded and the
    // requestor called back. Every requestor waiting for an address is called once.
    // fillSize: the pixels the requestor fills with the picture; a larger picture is decoded
    // scaled down to just cover them. Empty: the picture's own size. Pictures declaring a size
    // beyond QMImageDecoder's limits are refused before they are decoded, and not kept.
    QImage requestorImageUrl(QMImageCacheDelegate *requestor, const QString &url,
                             const QSize &fillSize = {});

    // Writes the index to "imageDict" (when the application may be left or quits), unless it
    // is unchanged since it was last written or read and the file is still there.
    bool cacheDict();
    // Replaces the index by the one in "imageDict"; a missing or damaged file gives an empty one.
    void readDict();

    // Documents directory + the address's last path component.
    static QString cacheFilePathForUrl(const QString &url);
    // False for names that must never be written in the documents directory: empty, "." and
    // "..", control characters, and the names of our own files.
    static bool isStorableFileName(const QString &name);

    bool removeCacheImage(const QString &url);
    void removeCacheImages(const QStringList &urls);
    void removeAll();
    // Cancels the downloads that have not started; their requestors hear nothing.
    void cancelAllRequest();

    // The index in eviction order (oldest use first): address -> file path.
    QList<std::pair<QString, QString>> indexEntries() const;
    int pendingDownloadCount() const;
    void setDownloadTimeout(int milliseconds) { m_downloadTimeoutMs = milliseconds; }

private:
    struct Entry
    {
        QString url;
        QString path;
    };
    struct Waiting
    {
        QMWeakDelegate<QMImageCacheDelegate> requestor;
        QSize fillSize;
    };

    QMImageCache();

    // QMImageLoaderOperationDelegate, on worker threads.
    void didReceiveImageForUrl(const QByteArray &bytes, const QString &url) override;
    void didReveivedErrorForUrl(const std::optional<QMError> &error, const QString &url) override;

    void storeLocked(const QString &url, const QByteArray &bytes);
    qsizetype indexOfLocked(const QString &url) const;
    // The size a download is decoded at: enough for every requestor waiting for it.
    QSize fillSizeLocked(const QString &url) const;
    // Worker threads: has deliver() called on the main thread.
    void queueDelivery(const QString &url, const QImage &image, bool scaledDown);
    Q_INVOKABLE void deliver(const QString &url, const QImage &image, bool scaledDown);

    QList<Entry> m_imageDict;    // oldest use first; at most MaximumImageCount
    quint64 m_indexRevision = 0; // counts changes of m_imageDict
    quint64 m_savedRevision = 0; // the revision "imageDict" holds
    QThreadPool m_imageLoadindQueue;
    QHash<QString, QList<Waiting>> m_requestorDict;
    QHash<QString, std::shared_ptr<QMImageLoaderOperation>> m_loaders;
    // Guards m_imageDict and its revisions, m_requestorDict, m_loaders.
    mutable QMutex m_instanceLock;
    std::atomic<bool> m_closing = false;
    int m_downloadTimeoutMs;
};
