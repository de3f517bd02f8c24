#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>

#include <functional>

// A tiny HTTP/1.1 server on a free loopback port that answers each GET with a canned answer
// chosen by path. For transport tests that need odd answers a real service never gives.
class QMTestHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/xml; charset=utf-8";
        int delayMs = 0;     // wait this long before answering
        bool hangUp = false; // close the connection without answering
    };

    QMTestHttpServer();

    // The answer for a path ("/shanghai/api/movie/playNowMovieList.xhtml"); unknown paths get 404.
    void setAnswer(const QString &path, const Answer &answer);
    // Chooses the answer for every request instead (full target with query as argument).
    void setHandler(std::function<Answer(const QByteArray &target)> handler);

    QString baseUrl() const; // "http://127.0.0.1:PORT/shanghai/api/"
    QString url(const QString &path) const;
    // Every request target received, in order ("/path?query").
    const QList<QByteArray> &requests() const { return m_requests; }

private:
    void onNewConnection();
    void answer(class QTcpSocket *socket, const QByteArray &target);

    QHash<QString, Answer> m_answers;
    std::function<Answer(const QByteArray &)> m_handler;
    QList<QByteArray> m_requests;
};
