#include "net/QMRequestData.h"

#include "net/QMRequestDataDelegate.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

QMRequestData::QMRequestData(quint64 id, QMRequestDataDelegate *dataDelegate, QObject *parent)
    : QObject(parent)
    , m_id(id)
    , _dataDelegate(dataDelegate)
{}

QMRequestData::~QMRequestData()
{
    if (_connection) {
        _connection->disconnect(this);
        _connection->abort();
    }
}

void QMRequestData::sendRequest(QNetworkAccessManager &manager)
{
    if (!_requestDelegate)
        return;
    if (!_request.url().isValid() || _request.url().isRelative()) {
        // Nothing is sent; the failure still comes from the run loop, so a caller that sets
        // its delegate right after issuing the request hears of it.
        QTimer::singleShot(0, this, [this] { fail(std::nullopt); });
        return;
    }
    QNetworkRequest request = _request;
    request.setTransferTimeout(kTransferTimeoutMs);
    _connection = manager.get(request);
    _connection->setParent(this);
    connect(_connection, &QNetworkReply::readyRead, this, &QMRequestData::onReadyRead);
    connect(_connection, &QNetworkReply::finished, this, &QMRequestData::onFinished);
}

void QMRequestData::cancel()
{
    m_done = true;
    _requestDelegate.reset();
    if (_connection) {
        _connection->disconnect(this);
        _connection->abort();
    }
}

void QMRequestData::onReadyRead()
{
    if (m_done || !_connection)
        return;
    if (_receivedData.size() + _connection->bytesAvailable() > kMaxAnswerBytes) {
        _connection->disconnect(this);
        _connection->abort();
        _receivedData.clear();
        fail(std::nullopt);
        return;
    }
    _receivedData.append(_connection->readAll());
}

void QMRequestData::onFinished()
{
    if (m_done || !_connection)
        return;
    onReadyRead(); // whatever arrived with the end
    if (m_done)
        return;
    // An HTTP status, even an error status, means the service answered: the body is the answer.
    const bool answered =
        _connection->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (answered || _connection->error() == QNetworkReply::NoError) {
        succeed();
    } else {
        fail(QMError(QStringLiteral("QNetworkReply"), int(_connection->error()),
                     _connection->errorString()));
    }
}

void QMRequestData::succeed()
{
    if (m_done)
        return;
    m_done = true;
    // Released when this returns: the transport holds the provider only while in flight.
    const auto delegate = std::move(_requestDelegate);
    if (delegate)
        delegate->requestSucceededWithData(_request, _receivedData);
    finish(true);
}

void QMRequestData::fail(const std::optional<QMError> &error)
{
    if (m_done)
        return;
    m_done = true;
    const auto delegate = std::move(_requestDelegate);
    if (delegate)
        delegate->requestFailedWithError(_request, error);
    finish(false);
}

void QMRequestData::finish(bool success)
{
    // The requestor drops this entry (and with it the hold on the provider) later, from the run
    // loop: this object is still on the call stack.
    if (_dataDelegate)
        _dataDelegate->requestCompleteSuccessfully(m_id, success);
}
