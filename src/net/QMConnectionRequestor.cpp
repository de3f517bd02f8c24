#include "net/QMConnectionRequestor.h"

#include "net/QMConnectionRequestorDelegate.h"
#include "net/QMRequestData.h"

QMConnectionRequestor::QMConnectionRequestor()
    : m_silenceTimeoutMs(QMRequestData::kSilenceTimeoutMs)
    , m_deadlineMs(QMRequestData::kDeadlineMs)
{}

QMConnectionRequestor::~QMConnectionRequestor()
{
    // In-flight requests go with us, silently, and before the network manager they use.
    _dictionary.clear();
    const auto entries = findChildren<QMRequestData *>(Qt::FindDirectChildrenOnly);
    for (QMRequestData *data : entries)
        data->cancel();
    qDeleteAll(entries);
}

quint64 QMConnectionRequestor::sendRequest(const QNetworkRequest &request,
                                           std::shared_ptr<QMConnectionRequestorDelegate> delegate)
{
    const quint64 id = m_nextId++;
    auto *data = new QMRequestData(id, this, this);
    data->setRequest(request);
    data->setRequestDelegate(std::move(delegate));
    _dictionary.insert(id, data);
    data->sendRequest(m_manager, m_silenceTimeoutMs, m_deadlineMs);
    return id;
}

void QMConnectionRequestor::setTimeouts(int silenceTimeoutMs, int deadlineMs)
{
    m_silenceTimeoutMs = silenceTimeoutMs;
    m_deadlineMs = deadlineMs;
}

void QMConnectionRequestor::cancelRequest(quint64 requestId)
{
    if (QMRequestData *data = _dictionary.take(requestId)) {
        data->cancel();
        data->deleteLater();
    }
}

void QMConnectionRequestor::requestCompleteSuccessfully(quint64 requestId, bool)
{
    if (QMRequestData *data = _dictionary.take(requestId))
        data->deleteLater();
}
