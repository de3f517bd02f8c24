#pragma once

#include "QMSAnswerCache.h"
#include "QMSRequestLog.h"
#include "QMSSignature.h"

#include <httplib.h>

#include <atomic>
#include <mutex>
#include <string>

class QMSDatabase;
struct QMSKind;

// The HTTP side: the 35 kinds under "/shanghai/api/", the pictures under "/pictures/" and the
// payment page at "/shanghai/pay.xhtml". Writes one line per request on stderr: time, method,
// path (never the query: it may carry a password), status, outcome and milliseconds.
class QMSServer
{
public:
    QMSServer(QMSSignature signature, int holdSeconds);

    // Binds to the address and listens; port 0 picks a free one. Returns the port, or -1 with
    // bindError() saying why. A port another process listens on is never shared.
    int bind(const std::string &host, int port);
    const std::string &bindError() const { return m_bindError; }
    // Serves from the database until stop() is called (from any thread).
    void run(QMSDatabase &db);
    void stop();

private:
    struct Answer
    {
        int status = 0;
        std::string body;
        std::string outcome; // for the log
    };

    void answerKind(const QMSKind &kind, const httplib::Request &request,
                    httplib::Response &response);
    Answer render(const QMSKind &kind, const std::string &query, const httplib::Request &request);
    static Answer failure(const QMSKind &kind, const std::exception &error);
    void answerPicture(const httplib::Request &request, httplib::Response &response);
    void answerPayment(const httplib::Request &request, httplib::Response &response);
    // "http://HOST:PORT" as the client reached us, for absolute picture and payment addresses.
    std::string site(const httplib::Request &request) const;
    void keepScreeningsCurrent();

    QMSDatabase *m_db = nullptr;
    QMSSignature m_signature;
    int m_holdSeconds;
    std::string m_host;
    int m_port = 0;
    std::string m_bindError;
    int m_listener = -1;
    std::atomic<long long> m_plannedDay{0};
    std::mutex m_planning;
    QMSAnswerCache m_answers;
    QMSRequestLog m_log;
    httplib::Server m_http;
};
