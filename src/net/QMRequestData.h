#pragma once

#include "net/QMConnectionRequestorDelegate.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;
class QMRequestDataDelegate;

// One request in flight and the bytes received so far. It keeps its provider alive until the
// outcome is delivered.
class QMRequestData final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMRequestData)

public:
    // Answers larger than this are not read to the end: the request fails.
    static constexpr qint64 kMaxAnswerBytes = 4 * 1024 * 1024;
    // What is taken from the connection ahead of us; the rest waits in the socket, so an
    // endless body never fills memory before the cap is seen.
    static constexpr qint64 kReadBufferBytes = 64 * 1024;
    // A transfer fails after this long without a byte...
    static constexpr int kSilenceTimeoutMs = 60 * 1000;
    // ...and, however lively, after this long in all (a body trickling in never ends otherwise).
    static constexpr int kDeadlineMs = 90 * 1000;
    static constexpr int kMaxRedirects = 5;

    QMRequestData(quint64 id, QMRequestDataDelegate *dataDelegate, QObject *parent = nullptr);
    ~QMRequestData() override;

    quint64 id() const { return m_id; }
    const QNetworkRequest &request() const { return _request; }
    void setRequest(const QNetworkRequest &request) { _request = request; }
    void setRequestDelegate(std::shared_ptr<QMConnectionRequestorDelegate> delegate)
    {
        _requestDelegate = std::move(delegate);
    }
    QMConnectionRequestorDelegate *requestDelegate() const { return _requestDelegate.get(); }

    // Starts the transfer; an address that is not a valid URL fails from the run loop.
    void sendRequest(QNetworkAccessManager &manager, int silenceTimeoutMs = kSilenceTimeoutMs,
                     int deadlineMs = kDeadlineMs);
    // Stops the transfer; no outcome is delivered afterwards.
    void cancel();

    // False when the reply announced a plain body longer or shorter than what came.
    static bool isWholeBody(const QNetworkReply &reply, qint64 received);

private:
    void onMetaDataChanged();
    void onReadyRead();
    void onFinished();
    void onTimedOut();
    void stopConnection();
    void fail(const std::optional<QMError> &error);
    void succeed();
    void finish(bool success);

    quint64 m_id;
    QNetworkRequest _request;
    QPointer<QNetworkReply> _connection;
    std::shared_ptr<QMConnectionRequestorDelegate> _requestDelegate;
    QMRequestDataDelegate *_dataDelegate;
    QByteArray _receivedData;
    QTimer m_silenceTimer;
    QTimer m_deadlineTimer;
    bool m_done = false;
};
