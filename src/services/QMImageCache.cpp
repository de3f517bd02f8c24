#include "services/QMImageCache.h"

#include "services/QMDocumentsDirectory.h"
#include "services/QMImageDecoder.h"
#include "services/QMImageLoaderOperation.h"
#include "services/QMThreadHandOver.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMutexLocker>
#include <QRunnable>
#include <QSaveFile>
#include <QThread>

#include <algorithm>

namespace {
std::unique_ptr<QMImageCache> &instance()
{
    static std::unique_ptr<QMImageCache> cache;
    return cache;
}

const QString indexFileName = QStringLiteral("imageDict");
// A real index holds 100 short entries; anything much larger is not ours.
constexpr qint64 MaximumIndexFileSize = 1024 * 1024;

// One download on the pool. The loader is complete before the task is queued, which is what
// ThreadSanitizer is told.
class LoadTask final : public QRunnable
{
public:
    explicit LoadTask(std::shared_ptr<QMImageLoaderOperation> loader)
        : m_loader(std::move(loader))
    {
        QMThreadHandOver::handOver();
    }
    void run() override
    {
        QMThreadHandOver::takeOver();
        m_loader->main();
    }

private:
    std::shared_ptr<QMImageLoaderOperation> m_loader;
};

bool isMainThread()
{
    return QThread::currentThread() == QCoreApplication::instance()->thread();
}

// Only regular files are deleted: never a directory or whatever a link points at.
bool removeRegularFile(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return false;
    return QFile::remove(path);
}
} // namespace

QMImageCache *QMImageCache::defaultCache()
{
    Q_ASSERT(isMainThread());
    auto &cache = instance();
    if (!cache)
        cache.reset(new QMImageCache);
    return cache.get();
}

void QMImageCache::CloseCache()
{
    Q_ASSERT(isMainThread());
    instance().reset();
}

QMImageCache::QMImageCache()
    : m_downloadTimeoutMs(QMImageLoaderOperation::DefaultTimeoutMs)
{
    m_imageLoadindQueue.setMaxThreadCount(DownloadThreadCount);
    readDict();
}

QMImageCache::~QMImageCache()
{
    // Abort what runs, drop what waits, and let the workers leave before the members go. Results
    // they still post to this object are discarded with it.
    m_closing = true;
    m_imageLoadindQueue.clear();
    {
        QMutexLocker locker(&m_instanceLock);
        for (const auto &loader : std::as_const(m_loaders))
            loader->cancel();
    }
    m_imageLoadindQueue.waitForDone();
}

QImage QMImageCache::requestorImageUrl(QMImageCacheDelegate *requestor, const QString &url,
                                       const QSize &fillSize)
{
    Q_ASSERT(isMainThread());
    QString path;
    {
        QMutexLocker locker(&m_instanceLock);
        const qsizetype i = indexOfLocked(url);
        if (i >= 0) {
            path = m_imageDict.at(i).path;
            if (i != m_imageDict.size() - 1) {
                m_imageDict.move(i, m_imageDict.size() - 1); // recently used: evicted last
                ++m_indexRevision;
            }
        }
    }
    if (!path.isEmpty()) {
        const QImage image = QMImageDecoder::decodeFile(path, fillSize);
        if (!image.isNull())
            return image;
        // The file went missing or was damaged behind our back: forget it and fetch it again
        // rather than showing a placeholder for ever.
        QMutexLocker locker(&m_instanceLock);
        const qsizetype i = indexOfLocked(url);
        if (i >= 0 && m_imageDict.at(i).path == path) {
            m_imageDict.removeAt(i);
            ++m_indexRevision;
        }
    }

    QMutexLocker locker(&m_instanceLock);
    auto &waiting = m_requestorDict[url];
    const auto same = std::find_if(waiting.begin(), waiting.end(),
                                   [&](const Waiting &w) { return w.requestor == requestor; });
    if (same != waiting.end())
        same->fillSize = fillSize;
    else if (requestor)
        waiting.append({requestor, fillSize});
    if (!m_loaders.contains(url)) {
        QMImageLoaderOperationDelegate *delegate = this;
        auto loader = std::make_shared<QMImageLoaderOperation>(url, delegate, m_downloadTimeoutMs);
        m_loaders.insert(url, loader);
        m_imageLoadindQueue.start(new LoadTask(loader));
    }
    return {};
}

void QMImageCache::didReceiveImageForUrl(const QByteArray &bytes, const QString &url)
{
    if (m_closing)
        return;
    QSize fillSize;
    {
        QMutexLocker locker(&m_instanceLock);
        fillSize = fillSizeLocked(url);
    }
    // Decode here, off the main thread. Bytes that are no picture (an error page, a truncated
    // file) or that declare an outsize one are neither kept nor handed out.
    QSize declared;
    const QImage image = QMImageDecoder::decode(bytes, fillSize, &declared);
    if (image.isNull()) {
        didReveivedErrorForUrl(std::nullopt, url);
        return;
    }
    const bool scaledDown = image.size() != declared;
    {
        QMutexLocker locker(&m_instanceLock);
        if (!m_closing)
            storeLocked(url, bytes);
    }
    // Handed over after the lock is released: the main thread may be waiting for it.
    queueDelivery(url, image, scaledDown);
}

void QMImageCache::didReveivedErrorForUrl(const std::optional<QMError> &, const QString &url)
{
    if (m_closing)
        return;
    // A null picture is the failure; it carries no error object.
    queueDelivery(url, {}, false);
}

void QMImageCache::queueDelivery(const QString &url, const QImage &image, bool scaledDown)
{
    // Queued by name, not as a lambda: Qt copies the arguments and frees them itself, under
    // the locks of its event queue, so ThreadSanitizer sees no capture written on this thread
    // and read on the main one.
    QMetaObject::invokeMethod(this, "deliver", Qt::QueuedConnection, Q_ARG(QString, url),
                              Q_ARG(QImage, image), Q_ARG(bool, scaledDown));
}

QSize QMImageCache::fillSizeLocked(const QString &url) const
{
    QSize fillSize;
    for (const Waiting &w : m_requestorDict.value(url)) {
        if (w.fillSize.isEmpty())
            return {};
        fillSize = fillSize.expandedTo(w.fillSize);
    }
    return fillSize;
}

void QMImageCache::deliver(const QString &url, const QImage &image, bool scaledDown)
{
    QList<Waiting> waiting;
    QString path;
    {
        QMutexLocker locker(&m_instanceLock);
        waiting = m_requestorDict.take(url);
        m_loaders.remove(url);
        if (const qsizetype i = indexOfLocked(url); i >= 0)
            path = m_imageDict.at(i).path;
    }
    // A requestor may ask again or close the cache while we call: hold nothing across the calls.
    QPointer<QMImageCache> self(this);
    for (const Waiting &w : std::as_const(waiting)) {
        if (!self)
            return;
        QMImageCacheDelegate *r = w.requestor.get();
        if (!r)
            continue;
        if (image.isNull()) {
            r->didRunIntoErrorForUrl(std::nullopt, url);
            continue;
        }
        // One who came while the picture was decoded smaller than it needs reads it again.
        const bool covered = !w.fillSize.isEmpty() && image.width() >= w.fillSize.width() &&
                             image.height() >= w.fillSize.height();
        QImage own;
        if (scaledDown && !covered && !path.isEmpty())
            own = QMImageDecoder::decodeFile(path, w.fillSize);
        r->didRecievedImageForUrl(own.isNull() ? image : own, url);
    }
}

void QMImageCache::storeLocked(const QString &url, const QByteArray &bytes)
{
    const QString path = cacheFilePathForUrl(url);
    if (!isStorableFileName(QFileInfo(path).fileName()))
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return;

    // One file, one address: another address with the same last component no longer owns it.
    m_imageDict.removeIf([&](const Entry &e) { return e.path == path || e.url == url; });
    m_imageDict.append({url, path});
    ++m_indexRevision;
    while (m_imageDict.size() > MaximumImageCount) {
        removeRegularFile(m_imageDict.first().path);
        m_imageDict.removeFirst();
    }
}

bool QMImageCache::cacheDict()
{
    const QString path = QMDocumentsDirectory::filePath(indexFileName);
    QMutexLocker locker(&m_instanceLock);
    if (m_savedRevision == m_indexRevision && QFileInfo::exists(path))
        return true;
    QJsonArray entries;
    for (const Entry &e : std::as_const(m_imageDict))
        entries.append(
            QJsonObject{{QStringLiteral("url"), e.url}, {QStringLiteral("path"), e.path}});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(QJsonDocument(entries).toJson(QJsonDocument::Compact));
    if (!file.commit())
        return false;
    m_savedRevision = m_indexRevision;
    return true;
}

void QMImageCache::readDict()
{
    QList<Entry> entries;
    QFile file(QMDocumentsDirectory::filePath(indexFileName));
    if (file.open(QIODevice::ReadOnly) && file.size() <= MaximumIndexFileSize) {
        const QJsonArray array = QJsonDocument::fromJson(file.readAll()).array();
        for (const QJsonValue &value : array) {
            const QString url = value[QLatin1String("url")].toString();
            const QString path = value[QLatin1String("path")].toString();
            // Only entries naming our own file for the address, directly in the documents
            // directory: an edited index must not make us read or delete anything else.
            if (url.isEmpty() || path != cacheFilePathForUrl(url) ||
                !isStorableFileName(QFileInfo(path).fileName()))
                continue;
            entries.removeIf([&](const Entry &e) { return e.path == path || e.url == url; });
            entries.append({url, path});
        }
    }
    if (entries.size() > MaximumImageCount)
        entries.remove(0, entries.size() - MaximumImageCount);
    QMutexLocker locker(&m_instanceLock);
    m_imageDict = entries;
    m_savedRevision = ++m_indexRevision;
}

QString QMImageCache::cacheFilePathForUrl(const QString &url)
{
    return QMDocumentsDirectory::filePath(url.section(QLatin1Char('/'), -1));
}

bool QMImageCache::isStorableFileName(const QString &name)
{
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return false;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    static const QStringList reserved{indexFileName, QStringLiteral("LogInfo"),
                                      QStringLiteral("UserInfo")};
    return !reserved.contains(name, Qt::CaseInsensitive);
}

bool QMImageCache::removeCacheImage(const QString &url)
{
    QMutexLocker locker(&m_instanceLock);
    const qsizetype i = indexOfLocked(url);
    if (i < 0)
        return false;
    const QString path = m_imageDict.at(i).path;
    const bool removed = removeRegularFile(path);
    if (removed || !QFileInfo::exists(path)) {
        m_imageDict.removeAt(i);
        ++m_indexRevision;
    }
    return removed;
}

void QMImageCache::removeCacheImages(const QStringList &urls)
{
    for (const QString &url : urls)
        removeCacheImage(url);
}

void QMImageCache::removeAll()
{
    QStringList urls;
    {
        QMutexLocker locker(&m_instanceLock);
        for (const Entry &e : std::as_const(m_imageDict))
            urls.append(e.url);
    }
    removeCacheImages(urls);
}

void QMImageCache::cancelAllRequest()
{
    m_imageLoadindQueue.clear();
    QMutexLocker locker(&m_instanceLock);
    for (auto it = m_loaders.begin(); it != m_loaders.end();) {
        if (it.value()->cancelIfNotStarted()) {
            m_requestorDict.remove(it.key());
            it = m_loaders.erase(it);
        } else {
            ++it;
        }
    }
}

QList<std::pair<QString, QString>> QMImageCache::indexEntries() const
{
    QMutexLocker locker(&m_instanceLock);
    QList<std::pair<QString, QString>> entries;
    for (const Entry &e : m_imageDict)
        entries.append({e.url, e.path});
    return entries;
}

int QMImageCache::pendingDownloadCount() const
{
    QMutexLocker locker(&m_instanceLock);
    return int(m_loaders.size());
}

qsizetype QMImageCache::indexOfLocked(const QString &url) const
{
    for (qsizetype i = 0; i < m_imageDict.size(); ++i) {
        if (m_imageDict.at(i).url == url)
            return i;
    }
    return -1;
}
