#include "QMTransportFault.h"

#include <QTcpServer>

namespace {
using Answer = QMTestHttpServer::Answer;
using Delivery = QMTestHttpServer::Delivery;

// Before the first end tag: inside the first text of the answer, before its root is complete.
qsizetype firstTextEnd(const QByteArray &body)
{
    const qsizetype at = body.indexOf("</");
    return at < 0 ? body.size() / 2 : at;
}

QByteArray entityBomb(const QByteArray &goodBody)
{
    // Ten levels of ten: 10^9 "lol"s if anything expanded them.
    QByteArray dtd = "<!DOCTYPE data [<!ENTITY l0 \"lol\">";
    for (int i = 1; i <= 9; ++i) {
        dtd += "<!ENTITY l" + QByteArray::number(i) + " \"";
        for (int j = 0; j < 10; ++j)
            dtd += "&l" + QByteArray::number(i - 1) + ';';
        dtd += "\">";
    }
    dtd += "]>";
    QByteArray body = goodBody;
    body.insert(firstTextEnd(body), "&l9;");
    const qsizetype declarationEnd = body.startsWith("<?xml") ? body.indexOf("?>") + 2 : 0;
    return body.insert(declarationEnd, dtd);
}
} // namespace

QList<QMTransportFault::Kind> QMTransportFault::all()
{
    return {Refused, ResetMidBody, SilenceAfterHeaders, Trickle,    Truncated,  Malformed,
            Html500, Huge,         WrongRoot,           EntityBomb, InvalidUtf8};
}

const char *QMTransportFault::name(Kind fault)
{
    switch (fault) {
    case Refused:
        return "Refused";
    case ResetMidBody:
        return "ResetMidBody";
    case SilenceAfterHeaders:
        return "SilenceAfterHeaders";
    case Trickle:
        return "Trickle";
    case Truncated:
        return "Truncated";
    case Malformed:
        return "Malformed";
    case Html500:
        return "Html500";
    case Huge:
        return "Huge";
    case WrongRoot:
        return "WrongRoot";
    case EntityBomb:
        return "EntityBomb";
    case InvalidUtf8:
        return "InvalidUtf8";
    }
    return "?";
}

bool QMTransportFault::isAnswer(Kind fault)
{
    switch (fault) {
    case Refused:
    case ResetMidBody:
    case SilenceAfterHeaders:
    case Trickle:
    case Huge:
        return false;
    default:
        return true;
    }
}

QMTestHttpServer::Answer QMTransportFault::answer(Kind fault, const QByteArray &goodBody,
                                                  int trickleIntervalMs)
{
    Answer a{200, goodBody};
    switch (fault) {
    case Refused:
        break;
    case ResetMidBody:
        a.delivery = Delivery::ResetMidBody;
        break;
    case SilenceAfterHeaders:
        a.delivery = Delivery::Silence;
        break;
    case Trickle:
        a.delivery = Delivery::Trickle;
        a.trickleIntervalMs = trickleIntervalMs;
        break;
    case Truncated:
        a.body = goodBody.left(goodBody.size() / 2);
        break;
    case Malformed:
        a.body.insert(firstTextEnd(goodBody), "<&>");
        break;
    case Html500:
        a = Answer{500, "<html><body><h1>500 Internal Server Error</h1></body></html>",
                   "text/html"};
        break;
    case Huge:
        a.body += QByteArray(10 * 1000 * 1000, ' ');
        break;
    case WrongRoot:
        a.body = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><response><status>busy</status>"
                 "</response>";
        break;
    case EntityBomb:
        a.body = entityBomb(goodBody);
        break;
    case InvalidUtf8:
        a.body.insert(firstTextEnd(goodBody), "\xff\xfe\xc3\x28");
        break;
    }
    return a;
}

QString QMTransportFault::closedPortBaseUrl()
{
    QTcpServer closed;
    closed.listen(QHostAddress::LocalHost, 0);
    const quint16 port = closed.serverPort();
    closed.close();
    return QStringLiteral("http://127.0.0.1:%1/shanghai/api/").arg(port);
}
