#pragma once

#include "QMTestHttpServer.h"

#include <QByteArray>
#include <QList>

// The ways a transfer can go wrong that every provider and screen must survive, and the answers
// of QMTestHttpServer that produce them from a good answer.
class QMTransportFault
{
public:
    enum Kind {
        Refused,             // nothing listens on the port
        ResetMidBody,        // the connection is reset halfway through the body
        SilenceAfterHeaders, // headers, then nothing
        Trickle,             // the body comes a byte at a time and never finishes in time
        Truncated,           // a whole answer whose XML stops halfway
        Malformed,           // XML with a broken tag in its middle
        Html500,             // an HTML error page with status 500
        Huge,                // the answer followed by 10 MB of blanks
        WrongRoot,           // well-formed XML of another shape
        EntityBomb,          // nested entities that would expand to gigabytes
        InvalidUtf8,         // bytes that are no UTF-8 inside a text
    };

    static QList<Kind> all();
    static const char *name(Kind fault);

    // True when the provider receives a body it cannot read; false when the transfer itself fails
    // (refused, broken, timed out or over the size cap).
    static bool isAnswer(Kind fault);

    // The server's answer carrying the fault, made from a good answer. A trickle sends a byte
    // every trickleIntervalMs. Refused has no answer: the client must be pointed at a closed port
    // (closedPortBaseUrl).
    static QMTestHttpServer::Answer answer(Kind fault, const QByteArray &goodBody,
                                           int trickleIntervalMs = 50);

    // A service address on a loopback port where nothing listens.
    static QString closedPortBaseUrl();
};
