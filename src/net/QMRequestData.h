#pragma once

#include "net/QMConnectionRequestorDelegate.h"

#include <QByteArray>
#include <QNetworkRequest>
#include <QObject>
#include <QPointer>

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
    static constexpr int kTransferTimeoutMs = 60 * 1000;

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
    void sendRequest(QNetworkAccessManager &manager);
    // Stops the transfer; no outcome is delivered afterwards.
    void cancel();

private:
    void onReadyRead();
    void onFinished();
    void fail(const std::optional<QMError> &error);
    void succeed();
    void finish(bool success);

    quint64 m_id;
    QNetworkRequest _request;
    QPointer<QNetworkReply> _connection;
    std::shared_ptr<QMConnectionRequestorDelegate> _requestDelegate;
    QMRequestDataDelegate *_dataDelegate;
    QByteArray _receivedData;
    bool m_done = false;
};
