#include "QMTestHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

QMTestHttpServer::QMTestHttpServer()
{
    listen(QHostAddress::LocalHost, 0);
    connect(this, &QTcpServer::newConnection, this, &QMTestHttpServer::onNewConnection);
}

void QMTestHttpServer::setAnswer(const QString &path, const Answer &answer)
{
    m_answers.insert(path, answer);
}

void QMTestHttpServer::setHandler(std::function<Answer(const QByteArray &)> handler)
{
    m_handler = std::move(handler);
}

QString QMTestHttpServer::baseUrl() const
{
    return url(QStringLiteral("/shanghai/api/"));
}

QString QMTestHttpServer::url(const QString &path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path);
}

void QMTestHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
            buffer->append(socket->readAll());
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray requestLine = buffer->left(buffer->indexOf("\r\n"));
            buffer->remove(0, end + 4);
            const QList<QByteArray> parts = requestLine.split(' ');
            answer(socket, parts.size() >= 2 ? parts[1] : QByteArray("/"));
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

void QMTestHttpServer::answer(QTcpSocket *socket, const QByteArray &target)
{
    m_requests.append(target);
    Answer a;
    if (m_handler) {
        a = m_handler(target);
    } else {
        const QString path = QUrl::fromEncoded(target).path();
        a = m_answers.value(path, Answer{404, "not found", "text/plain", 0, false});
    }
    QPointer<QTcpSocket> guard(socket);
    auto send = [guard, a] {
        if (!guard)
            return;
        if (a.hangUp) {
            guard->abort();
            return;
        }
        QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) +
                          " X\r\nContent-Type: " + a.contentType +
                          "\r\nContent-Length: " + QByteArray::number(a.body.size()) +
                          "\r\nConnection: keep-alive\r\n\r\n";
        guard->write(head + a.body);
    };
    if (a.delayMs > 0)
        QTimer::singleShot(a.delayMs, socket, send);
    else
        send();
}
