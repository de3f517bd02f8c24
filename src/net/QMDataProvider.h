#pragma once

#include "net/QMRequestKind.h"

#include <QNetworkRequest>
#include <QString>

#include <memory>

class QMConnectionRequestor;
class QMConnectionRequestorDelegate;

// The request builder: service addresses, the transport's table of requests in flight and the
// member state flags. One per process (created on first use, closed at termination).
class QMDataProvider
{
public:
    static QMDataProvider *DataProvider();
    static void CloseDataProvider();

    // Base address followed by the kind's path; a null text for a kind outside 0 to 34.
    static QString urlForRequest(QMRequestKind kind);
    static QString baseAddress();
    // Points the client at another service (tests: the stand-in service on a free port).
    // An empty address restores the build's own.
    static void setBaseAddressForTesting(const QString &address);
    static QString regionCode();
    static QString imageServer();
    // The login files in the documents directory: 0 "UserInfo", 1 "LogInfo"; others: none.
    static QString fileForCache(unsigned kind);

    // Hands a request to the transport with the provider that receives its outcome.
    quint64 issueRequestWithDelegate(const QNetworkRequest &request,
                                     std::shared_ptr<QMConnectionRequestorDelegate> delegate);
    void cancelRequest(quint64 requestId);
    QMConnectionRequestor &connectionRequestor() { return *_connectionRequestor; }

    bool isLogged() const { return _isLogged; }
    void setIsLogged(bool logged) { _isLogged = logged; }
    bool isRegistered() const { return _isRegistered; }
    void setIsRegistered(bool registered) { _isRegistered = registered; }

    ~QMDataProvider();
    QMDataProvider(const QMDataProvider &) = delete;
    QMDataProvider &operator=(const QMDataProvider &) = delete;

private:
    QMDataProvider();

    std::unique_ptr<QMConnectionRequestor> _connectionRequestor;
    bool _isRegistered = false;
    bool _isLogged = false;
};
