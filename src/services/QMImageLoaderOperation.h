#pragma once

#include <QMutex>
#include <QString>

class QByteArray;
class QNetworkReply;
class QUrl;
class QMImageLoaderOperationDelegate;

// One picture download: a synchronous fetch of the whole body, run on a worker thread of the
// image cache's pool. Exactly one delegate call reports the outcome, unless the operation was
// cancelled first.
class QMImageLoaderOperation
{
public:
    // Larger bodies are no picture we want to keep on a phone: they fail, and are not read
    // further than this (plus one read buffer) whether or not their length is announced.
    static constexpr qint64 MaximumBodySize = 2 * 1024 * 1024;
    static constexpr qint64 ReadBufferSize = 64 * 1024;
    static constexpr int DefaultTimeoutMs = 60 * 1000;
    static constexpr int MaximumRedirects = 5;

    QMImageLoaderOperation(const QString &imageUrl, QMImageLoaderOperationDelegate *delegate,
                           int timeoutMs = DefaultTimeoutMs);
    Q_DISABLE_COPY_MOVE(QMImageLoaderOperation)

    const QString &imageUrl() const { return m_imageUrl; }

    // Runs the download on the calling (worker) thread.
    void main();

    // Thread-safe. A cancelled operation reports nothing; a running fetch is aborted.
    void cancel();
    // Thread-safe. Cancels only an operation that has not started; true when it did.
    bool cancelIfNotStarted();

    // Only http and https addresses with a host are fetched.
    static bool isFetchable(const QUrl &url);

private:
    bool fetch(const QUrl &url, QByteArray *body);
    bool isCancelled();

    const QString m_imageUrl;
    QMImageLoaderOperationDelegate *const m_operationDelegate;
    const int m_timeoutMs;

    QMutex m_mutex; // guards the three fields below
    bool m_started = false;
    bool m_cancelled = false;
    QNetworkReply *m_reply = nullptr;
};
