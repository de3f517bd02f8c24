#pragma once

#include "net/QMRequestDataDelegate.h"

#include <QHash>
#include <QNetworkAccessManager>
#include <QNetworkRequest>
#include <QObject>

#include <memory>

class QMConnectionRequestorDelegate;
class QMRequestData;

// The table of requests in flight, keyed by each request's own identity, so that two requests
// for the same address are two entries and both answers arrive.
class QMConnectionRequestor final : public QObject, public QMRequestDataDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMConnectionRequestor)

public:
    QMConnectionRequestor();
    ~QMConnectionRequestor() override;

    // Starts the request; returns its identity.
    quint64 sendRequest(const QNetworkRequest &request,
                        std::shared_ptr<QMConnectionRequestorDelegate> delegate);
    // Stops a request in flight; its delegate hears nothing more.
    void cancelRequest(quint64 requestId);

    // The silence time-out and the overall deadline of the requests sent from now on (tests
    // shorten them; the defaults are QMRequestData's).
    void setTimeouts(int silenceTimeoutMs, int deadlineMs);

    int requestsInFlight() const { return int(_dictionary.size()); }
    bool isInFlight(quint64 requestId) const { return _dictionary.contains(requestId); }

    void requestCompleteSuccessfully(quint64 requestId, bool success) override;

private:
    QNetworkAccessManager m_manager;
    QHash<quint64, QMRequestData *> _dictionary; // children of this object
    quint64 m_nextId = 1;
    int m_silenceTimeoutMs;
    int m_deadlineMs;
};
