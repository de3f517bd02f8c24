#include "services/QMImageLoaderOperation.h"

#include "net/QMDataProvider.h"
#include "net/QMRequestData.h"
#include "services/QMImageLoaderOperationDelegate.h"

#include <QEventLoop>
#include <QMutexLocker>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

QMImageLoaderOperation::QMImageLoaderOperation(const QString &imageUrl,
                                               QMImageLoaderOperationDelegate *delegate,
                                               int timeoutMs)
    : m_imageUrl(imageUrl)
    , m_operationDelegate(delegate)
    , m_timeoutMs(timeoutMs)
{}

bool QMImageLoaderOperation::isFetchable(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

void QMImageLoaderOperation::main()
{
    {
        QMutexLocker locker(&m_mutex);
        if (m_cancelled)
            return;
        m_started = true;
    }

    const QUrl url(QMDataProvider::imageServer() + m_imageUrl, QUrl::StrictMode);
    QByteArray body;
    const bool ok = isFetchable(url) && fetch(url, &body);
    if (isCancelled())
        return;
    if (ok)
        m_operationDelegate->didReceiveImageForUrl(body, m_imageUrl);
    else
        m_operationDelegate->didReveivedErrorForUrl(std::nullopt, m_imageUrl);
}

void QMImageLoaderOperation::cancel()
{
    QMutexLocker locker(&m_mutex);
    m_cancelled = true;
    // The reply lives on the worker thread: ask that thread to abort it. A reply deleted before
    // the call is delivered takes the posted call with it. Queued by name, so that the call is
    // made and freed inside Qt, whose locks order it.
    if (m_reply)
        QMetaObject::invokeMethod(m_reply, "abort", Qt::QueuedConnection);
}

bool QMImageLoaderOperation::cancelIfNotStarted()
{
    QMutexLocker locker(&m_mutex);
    if (m_started)
        return false;
    m_cancelled = true;
    return true;
}

bool QMImageLoaderOperation::isCancelled()
{
    QMutexLocker locker(&m_mutex);
    return m_cancelled;
}

bool QMImageLoaderOperation::fetch(const QUrl &url, QByteArray *body)
{
    // The manager, the reply and the loop all live on this worker thread for the fetch only.
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(m_timeoutMs);
    request.setMaximumRedirectsAllowed(MaximumRedirects);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // Without a limit the network thread reads on as fast as the server sends, far past the
    // cap, before this thread sees the first bytes.
    reply->setReadBufferSize(ReadBufferSize);

    bool tooLarge = false;
    bool timedOut = false;
    auto refuseIfTooLarge = [&](qint64 size) {
        if (size > MaximumBodySize && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, reply.get(), [&] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid())
            refuseIfTooLarge(length.toLongLong());
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        if (tooLarge)
            return;
        body->append(reply->readAll());
        refuseIfTooLarge(body->size());
    });

    // The transfer time-out only counts silence; a trickling server is stopped by this one.
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), [&] {
        timedOut = true;
        reply->abort();
    });

    QEventLoop loop;
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    {
        QMutexLocker locker(&m_mutex);
        if (m_cancelled)
            return false;
        m_reply = reply.get();
    }
    deadline.start(m_timeoutMs);
    if (!reply->isFinished())
        loop.exec();
    {
        QMutexLocker locker(&m_mutex);
        m_reply = nullptr;
    }

    if (!tooLarge && reply->isOpen()) {
        body->append(reply->readAll());
        if (body->size() > MaximumBodySize)
            tooLarge = true;
    }
    if (tooLarge || timedOut || reply->error() != QNetworkReply::NoError || body->isEmpty() ||
        !QMRequestData::isWholeBody(*reply, body->size())) {
        body->clear();
        return false;
    }
    return true;
}
