#include "QMSServer.h"

#include "QMSClock.h"
#include "QMSConnection.h"
#include "QMSContext.h"
#include "QMSDatabase.h"
#include "QMSKindTable.h"
#include "QMSPaymentPage.h"
#include "QMSPictures.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSScreeningPlanner.h"
#include "QMSStatement.h"

#include <sys/socket.h>

#include <cerrno>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <optional>

namespace {

const char *const xmlType = "text/xml; charset=UTF-8";

// What the logger reports about the request this thread is answering.
struct RequestLog
{
    std::optional<std::chrono::steady_clock::time_point> start; // none: an unreadable request
    std::string outcome;
};
thread_local RequestLog requestLog;

std::string rawQuery(const httplib::Request &request)
{
    const size_t mark = request.target.find('?');
    return mark == std::string::npos ? std::string() : request.target.substr(mark + 1);
}

// A refusal the client reads as a failure: inside <data> where its record has an `error` field,
// otherwise a body without the kind's root element.
std::string refusalBody(const QMSKind *kind, const std::string &text)
{
    QMSXmlWriter xml;
    if (kind && kind->errorField)
        xml.open("data");
    xml.text("error", text);
    return xml.take();
}

void respond(httplib::Response &response, int status, const std::string &body, std::string outcome)
{
    response.status = status;
    response.set_content(body, xmlType);
    requestLog.outcome = std::move(outcome);
}

} // namespace

QMSServer::QMSServer(QMSSignature signature, int holdSeconds)
    : m_signature(std::move(signature))
    , m_holdSeconds(holdSeconds)
{
    // More workers than a benchmark's connections, so kept-alive connections do not queue.
    m_http.new_task_queue = [] {
        return new httplib::ThreadPool(64);
    };
    // httplib's default options add SO_REUSEPORT, with which a second service could listen on
    // the same port and the kernel would split the requests between two databases.
    // SO_REUSEADDR alone still lets a restarted service bind while old connections linger.
    m_http.set_socket_options([this](socket_t socket) {
        const int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        m_listener = socket;
    });
    m_http.set_tcp_nodelay(true);
    m_http.set_keep_alive_max_count(1000);
    m_http.set_keep_alive_timeout(5);
    m_http.set_read_timeout(10);
    m_http.set_write_timeout(10);
    m_http.set_payload_max_length(64 * 1024);

    m_http.Get(R"(/shanghai/api/(.*))",
               [this](const httplib::Request &request, httplib::Response &response) {
                   const QMSKind *kind = QMSKindTable::find(request.matches[1].str());
                   if (!kind) {
                       response.status = 404;
                       response.set_content(refusalBody(nullptr, "未知的请求"), xmlType);
                       requestLog.outcome = "unknown path";
                       return;
                   }
                   answerKind(*kind, request, response);
               });
    m_http.Get(R"(/pictures/([A-Za-z0-9_]{1,40}\.jpg))",
               [this](const httplib::Request &request, httplib::Response &response) {
                   answerPicture(request, response);
               });
    m_http.Get("/shanghai/pay.xhtml",
               [this](const httplib::Request &request, httplib::Response &response) {
                   answerPayment(request, response);
               });
    m_http.Post("/shanghai/pay.xhtml",
                [this](const httplib::Request &request, httplib::Response &response) {
                    answerPayment(request, response);
                });

    m_http.set_pre_routing_handler([](const httplib::Request &, httplib::Response &) {
        requestLog.start = std::chrono::steady_clock::now();
        requestLog.outcome.clear();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    // What httplib refuses by itself (no route, an address too long to read) gets a body too.
    m_http.set_error_handler([](const httplib::Request &, httplib::Response &response) {
        if (!response.body.empty())
            return;
        response.set_content(
            refusalBody(nullptr, response.status == 404 ? "未知的请求" : "请求无法识别"), xmlType);
        if (requestLog.outcome.empty())
            requestLog.outcome = response.status == 404 ? "unknown path" : "unreadable request";
    });
    m_http.set_exception_handler(
        [](const httplib::Request &, httplib::Response &response, std::exception_ptr) {
            response.status = 500;
            response.set_content(refusalBody(nullptr, "服务暂时不可用"), xmlType);
            requestLog.outcome = "internal error";
        });
    m_http.set_logger([this](const httplib::Request &request, const httplib::Response &response) {
        const double ms = requestLog.start
                              ? std::chrono::duration<double, std::milli>(
                                    std::chrono::steady_clock::now() - *requestLog.start)
                                    .count()
                              : 0.0;
        const std::string outcome = !requestLog.start            ? "unreadable request"
                                    : requestLog.outcome.empty() ? "-"
                                                                 : requestLog.outcome;
        char line[1024];
        const int length = std::snprintf(
            line, sizeof line, "%s %s %s %d %s %.1fms\n", QMSClock::stamp(QMSClock::now()).c_str(),
            request.method.c_str(), request.path.substr(0, 200).c_str(), response.status,
            outcome.substr(0, 300).c_str(), ms);
        if (length > 0)
            m_log.write(std::string_view(line, std::min<size_t>(length, sizeof line - 1)));
        requestLog = {};
    });
}

int QMSServer::bind(const std::string &host, int port)
{
    m_host = host;
    errno = 0;
    if (port == 0)
        m_port = m_http.bind_to_any_port(host);
    else
        m_port = m_http.bind_to_port(host, port) ? port : -1;
    if (m_port > 0) {
        // httplib listens with a backlog of 5: fifty clients connecting at once would see
        // dropped handshakes and second-long retries. Listening again only widens the queue.
        ::listen(m_listener, SOMAXCONN);
    } else {
        const int error = errno;
        m_bindError = error == EADDRINUSE ? "the port is in use (is another service running?)"
                      : error             ? std::strerror(error)
                                          : "no such address";
    }
    return m_port;
}

void QMSServer::run(QMSDatabase &db)
{
    m_db = &db;
    m_http.listen_after_bind();
    m_log.flush();
}

void QMSServer::stop()
{
    m_http.stop();
}

void QMSServer::answerKind(const QMSKind &kind, const httplib::Request &request,
                           httplib::Response &response)
{
    try {
        // Before any kept answer is looked up: planning a new day is a commit, which drops them.
        keepScreeningsCurrent();
    } catch (const std::exception &error) {
        const Answer failed = failure(kind, error);
        respond(response, failed.status, failed.body, failed.outcome);
        return;
    }
    const std::string query = rawQuery(request);
    Answer answer;
    if (kind.reusable) {
        // Only an accepted query's answer is ever kept, so a kept one needs no second check.
        const std::string key = std::to_string(kind.number) + ' ' + site(request) + ' ' + query;
        const QMSAnswerCache::Body body = m_answers.answer(key, *m_db, [&] {
            answer = render(kind, query, request);
            return answer.status == 200
                       ? std::make_shared<const std::string>(std::move(answer.body))
                       : QMSAnswerCache::Body();
        });
        if (body) {
            respond(response, 200, *body, "ok");
            return;
        }
    } else {
        answer = render(kind, query, request);
    }
    respond(response, answer.status, answer.body, std::move(answer.outcome));
}

QMSServer::Answer QMSServer::render(const QMSKind &kind, const std::string &query,
                                    const httplib::Request &request)
{
    try {
        const QMSQuery parsed = QMSQuery::parse(query, kind.parameters, kind.freeText);
        if (!m_signature.accepts(parsed, kind.digest))
            throw QMSRefusal(403, "签名错误");
        const auto db = m_db->connection();
        QMSContext context(*db, parsed, site(request), m_holdSeconds);
        kind.handler(context);
        return {200, context.xml.take(), "ok"};
    } catch (const QMSRefusal &refusal) {
        return {refusal.status(), refusalBody(&kind, refusal.what()),
                std::string("refused: ") + refusal.what()};
    } catch (const std::exception &error) {
        return failure(kind, error);
    }
}

QMSServer::Answer QMSServer::failure(const QMSKind &kind, const std::exception &error)
{
    // No details to the client; the log keeps them.
    return {500, refusalBody(&kind, "服务暂时不可用"), std::string("failed: ") + error.what()};
}

void QMSServer::answerPicture(const httplib::Request &request, httplib::Response &response)
{
    try {
        const auto db = m_db->connection();
        const auto picture = QMSPictures::load(*db, request.matches[1].str());
        if (!picture) {
            response.status = 404;
            requestLog.outcome = "no such picture";
            return;
        }
        response.set_content(*picture, "image/jpeg");
        response.set_header("Cache-Control", "max-age=86400");
        requestLog.outcome = "ok";
    } catch (const std::exception &error) {
        response.status = 500;
        requestLog.outcome = std::string("failed: ") + error.what();
    }
}

void QMSServer::answerPayment(const httplib::Request &request, httplib::Response &response)
{
    QMSPaymentPage::Page page;
    try {
        const auto db = m_db->connection();
        if (request.method == "POST") {
            const QMSQuery form = QMSQuery::parse(request.body, {"tradeno", "token"});
            page = QMSPaymentPage::confirm(*db, form);
        } else {
            const QMSQuery query =
                QMSQuery::parse(rawQuery(request),
                                {"tradeno", "username", "password", "key", "encode"}, {"password"});
            page = QMSPaymentPage::show(*db, m_signature, query);
        }
    } catch (const QMSRefusal &refusal) {
        page = {refusal.status(), "<!DOCTYPE html><p>" + QMSXmlWriter::escaped(refusal.what()),
                std::string("refused: ") + refusal.what()};
    } catch (const std::exception &error) {
        page = {500, "<!DOCTYPE html><p>服务暂时不可用", std::string("failed: ") + error.what()};
    }
    response.status = page.status;
    requestLog.outcome = page.outcome;
    response.set_content(page.html, "text/html; charset=UTF-8");
}

std::string QMSServer::site(const httplib::Request &request) const
{
    // The Host header comes from the client: only a plain host name or address and port is used.
    const std::string host = request.get_header_value("Host");
    const bool plain = !host.empty() && host.size() <= 260 &&
                       host.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                              "0123456789.-:[]") == std::string::npos;
    if (plain)
        return "http://" + host;
    const std::string address = m_host == "0.0.0.0" || m_host.empty() ? "127.0.0.1" : m_host;
    return "http://" + address + ":" + std::to_string(m_port);
}

void QMSServer::keepScreeningsCurrent()
{
    const long long today = QMSClock::today().toJulianDay();
    if (m_plannedDay.load() == today)
        return;
    // A service running past midnight plans the new last day of its window.
    std::lock_guard lock(m_planning);
    if (m_plannedDay.load() == today)
        return;
    const auto db = m_db->connection();
    QMSScreeningPlanner::ensureWindow(*db, QMSClock::today());
    m_plannedDay.store(today);
}
