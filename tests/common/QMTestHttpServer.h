#pragma once

#include <QColor>
#include <QSize>

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

// A tiny HTTP/1.1 server on a free loopback port that answers each GET with a canned answer
// chosen by path. For transport tests that need odd answers a real service never gives: besides
// whole answers it can break a connection in the middle of a body, fall silent after the headers,
// trickle a body or send filler without end.
class QMTestHttpServer : public QTcpServer
{
    Q_OBJECT

public:
    enum class Delivery {
        Whole,        // status, headers and the whole body
        ResetMidBody, // headers announcing the whole body, half of it, then a reset
        Silence,      // headers announcing the body, then nothing; the connection stays open
        Trickle,      // headers, then the body one byte every trickleIntervalMs
        Endless,      // headers without a length (or with declaredLength), then filler bytes
                      // as fast as the client takes them, until it goes or 1 GiB went out
    };

    struct Answer
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "text/xml; charset=utf-8";
        int delayMs = 0;     // wait this long before answering
        bool hangUp = false; // close the connection without answering
        Delivery delivery = Delivery::Whole;
        int trickleIntervalMs = 1000;
        qint64 declaredLength = -1; // Endless: the length the headers announce (-1: none)
        QByteArray location = {};   // a "Location" header (redirects)
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
    // A picture to serve: a PNG of one colour.
    static QByteArray png(const QColor &color, QSize size);

    // Bytes handed to the system for all connections so far, headers included.
    qint64 bytesSent() const { return m_bytesSent; }

private:
    void onNewConnection();
    void answer(QTcpSocket *socket, const QByteArray &target);
    void send(QTcpSocket *socket, const Answer &answer);
    static QByteArray head(const Answer &answer, qint64 length);
    static void resetConnection(QTcpSocket *socket);
    void pourFiller(QTcpSocket *socket, qint64 *poured);

    QHash<QString, Answer> m_answers;
    std::function<Answer(const QByteArray &)> m_handler;
    QList<QByteArray> m_requests;
    qint64 m_bytesSent = 0;
};
