#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <cstddef>
#include <cstdint>

// Hands answers to the client's own providers as the transport does (bytes, rewrite, mapping,
// judgement, delegate) and holds each provider to its contract: every answer ends in exactly
// one delegate call, and a success carries a record. The delegate then uses the record the way
// the screens do first (sorting, distances, dates, the seat map, the payment page).
//
// A fuzz input of a family is one byte choosing the kind (its number, else taken modulo the
// family's kinds), followed by the answer's body.
class QMFuzzAnswers
{
public:
    // Answers of one shape: lists of records and single records; the judged answers (seat
    // map, order, sign-in, registration); acknowledged writes; comment lists and feeds.
    enum class Family { Lists, Judged, Writes, Comments };

    // Once per process: an offscreen application and a documents directory of its own.
    static void initialize();

    static QList<int> kinds(Family family);
    static Family familyOf(int kind);
    static QString familyName(Family family);
    // The record class and root element the kind's answer is mapped onto.
    static QString recordClassName(int kind);
    static QString rootElement(int kind);
    // The text the kind's provider hands the mapper for this answer.
    static QByteArray rewritten(int kind, const QByteArray &answer);

    // Delivers body as the whole answer to a request of kind (0 to 34); aborts when the
    // delegate is not called exactly once, or is told of a success without a record.
    static void deliver(int kind, const QByteArray &body);
    static void deliverInput(Family family, const uint8_t *data, size_t size);
    // The fuzz input for an answer of kind.
    static QByteArray input(int kind, const QByteArray &body);
};
