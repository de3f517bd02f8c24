#include "net/QMRequestData.h"

#include "net/QMRequestDataDelegate.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace {
// An error Qt derives from an HTTP error status (400 and up: content, server, "bad request"
// errors) rather than one of the network itself (below 100: refused, closed, timed out...):
// the service answered, and its body is the answer.
bool isStatusError(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    return status.isValid() && status.toInt() >= 400 && reply.error() >= 100;
}
} // namespace

QMRequestData::QMRequestData(quint64 id, QMRequestDataDelegate *dataDelegate, QObject *parent)
    : QObject(parent)
    , m_id(id)
    , _dataDelegate(dataDelegate)
{
    m_silenceTimer.setSingleShot(true);
    m_deadlineTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, &QMRequestData::onTimedOut);
    connect(&m_deadlineTimer, &QTimer::timeout, this, &QMRequestData::onTimedOut);
}

QMRequestData::~QMRequestData()
{
    stopConnection();
}

void QMRequestData::sendRequest(QNetworkAccessManager &manager, int silenceTimeoutMs,
                                int deadlineMs)
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
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    _connection = manager.get(request);
    _connection->setParent(this);
    _connection->setReadBufferSize(kReadBufferBytes);
    connect(_connection, &QNetworkReply::metaDataChanged, this, &QMRequestData::onMetaDataChanged);
    connect(_connection, &QNetworkReply::readyRead, this, &QMRequestData::onReadyRead);
    connect(_connection, &QNetworkReply::finished, this, &QMRequestData::onFinished);
    m_silenceTimer.start(silenceTimeoutMs);
    m_deadlineTimer.start(deadlineMs);
}

void QMRequestData::cancel()
{
    m_done = true;
    _requestDelegate.reset();
    stopConnection();
}

void QMRequestData::stopConnection()
{
    m_silenceTimer.stop();
    m_deadlineTimer.stop();
    if (_connection) {
        _connection->disconnect(this);
        _connection->abort();
    }
}

void QMRequestData::onMetaDataChanged()
{
    if (m_done || !_connection)
        return;
    m_silenceTimer.start();
    // An answer announced as too large is refused before a byte of it is read.
    const QVariant length = _connection->header(QNetworkRequest::ContentLengthHeader);
    if (length.isValid() && length.toLongLong() > kMaxAnswerBytes) {
        stopConnection();
        fail(std::nullopt);
    }
}

void QMRequestData::onReadyRead()
{
    if (m_done || !_connection)
        return;
    m_silenceTimer.start();
    if (_receivedData.size() + _connection->bytesAvailable() > kMaxAnswerBytes) {
        stopConnection();
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
    m_silenceTimer.stop();
    m_deadlineTimer.stop();
    // An HTTP status, even an error status, means the service answered: the body is the answer.
    // A transfer that broke off after the status (reset, closed early, too many redirects) did
    // not bring the whole answer: it fails like one that never connected.
    const QNetworkReply::NetworkError error = _connection->error();
    if (error != QNetworkReply::NoError && !isStatusError(*_connection)) {
        fail(QMError(QStringLiteral("QNetworkReply"), int(error), _connection->errorString()));
    } else if (!isWholeBody(*_connection, _receivedData.size())) {
        fail(QMError(QStringLiteral("QNetworkReply"), int(QNetworkReply::RemoteHostClosedError),
                     tr("The connection closed before the whole answer came")));
    } else {
        succeed();
    }
}

bool QMRequestData::isWholeBody(const QNetworkReply &reply, qint64 received)
{
    // A connection reset after part of the body may still end the reply without an error; the
    // announced length tells. Compressed bodies arrive inflated, so only plain ones are counted.
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed().toLower();
    if (!encoding.isEmpty() && encoding != "identity")
        return true;
    const QVariant length = reply.header(QNetworkRequest::ContentLengthHeader);
    return !length.isValid() || length.toLongLong() == received;
}

void QMRequestData::onTimedOut()
{
    if (m_done)
        return;
    stopConnection();
    _receivedData.clear();
    fail(QMError(QStringLiteral("QNetworkReply"), int(QNetworkReply::TimeoutError),
                 tr("The service did not answer in time")));
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
