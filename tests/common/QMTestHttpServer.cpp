#include "QMTestHttpServer.h"

#include <QBuffer>
#include <QImage>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <sys/socket.h>

#include <memory>

namespace {
constexpr qint64 kFillerChunk = 64 * 1024;
constexpr qint64 kEndlessLimit = qint64(1) << 30;
} // namespace

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
        connect(socket, &QTcpSocket::bytesWritten, this,
                [this](qint64 written) { m_bytesSent += written; });
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
    auto sendLater = [this, guard, a] {
        if (guard)
            send(guard, a);
    };
    if (a.delayMs > 0)
        QTimer::singleShot(a.delayMs, socket, sendLater);
    else
        sendLater();
}

QByteArray QMTestHttpServer::head(const Answer &a, qint64 length)
{
    QByteArray head = "HTTP/1.1 " + QByteArray::number(a.status) +
                      " X\r\nContent-Type: " + a.contentType + "\r\n";
    if (length >= 0)
        head += "Content-Length: " + QByteArray::number(length) + "\r\n";
    if (!a.location.isEmpty())
        head += "Location: " + a.location + "\r\n";
    head += length >= 0 ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    return head;
}

void QMTestHttpServer::send(QTcpSocket *socket, const Answer &a)
{
    if (a.hangUp) {
        socket->abort();
        return;
    }
    const qint64 length = a.body.size();
    switch (a.delivery) {
    case Delivery::Whole:
        socket->write(head(a, length) + a.body);
        break;
    case Delivery::ResetMidBody:
        socket->write(head(a, length) + a.body.left(length / 2));
        socket->flush();
        // A moment later, so the client has the half body before the reset.
        QTimer::singleShot(10, socket, [socket] { resetConnection(socket); });
        break;
    case Delivery::Silence:
        socket->write(head(a, length));
        break;
    case Delivery::Trickle: {
        socket->write(head(a, length));
        auto *timer = new QTimer(socket);
        auto sent = std::make_shared<qint64>(0);
        connect(timer, &QTimer::timeout, socket, [socket, timer, sent, body = a.body] {
            if (*sent >= body.size()) {
                timer->stop();
                return;
            }
            socket->write(body.mid((*sent)++, 1));
        });
        timer->start(a.trickleIntervalMs);
        break;
    }
    case Delivery::Endless: {
        socket->write(head(a, a.declaredLength));
        auto poured = std::make_shared<qint64>(0);
        connect(socket, &QTcpSocket::bytesWritten, socket,
                [this, socket, poured] { pourFiller(socket, poured.get()); });
        pourFiller(socket, poured.get());
        break;
    }
    }
}

void QMTestHttpServer::pourFiller(QTcpSocket *socket, qint64 *poured)
{
    static const QByteArray filler(kFillerChunk, 'x');
    // Only a little ahead of what the system took: the count stays close to what was sent.
    while (socket->state() == QAbstractSocket::ConnectedState &&
           socket->bytesToWrite() < 2 * kFillerChunk) {
        if (*poured >= kEndlessLimit) {
            socket->disconnectFromHost();
            return;
        }
        socket->write(filler);
        *poured += filler.size();
    }
}

void QMTestHttpServer::resetConnection(QTcpSocket *socket)
{
    // A zero linger time makes closing send a reset instead of an orderly end.
    const linger reset{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
    socket->abort();
}

QByteArray QMTestHttpServer::png(const QColor &color, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}
