#pragma once

#include "QMXmlNode.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// Talks to qm-service over loopback exactly as the client does: each kind's parameters in the
// client's order, key and digest where the client puts them, values raw or percent-escaped as
// the client sends them. Answers are read as the client reads them: its rewrite first, then the
// first element named after the kind's root.
class QMServiceClient
{
public:
    enum class Digest { Ordinary, Screening, Order };

    struct Kind
    {
        int number;
        QString path;
        QString root;
        QStringList order; // the client's parameter order, "key" and "encryptCode" included
        Digest digest;
        bool escaped;
        QList<QPair<QString, QString>> rewrites;
        QString array; // the list field after the rewrite, if any
        QString item;  // the item element after the rewrite
    };
    static const QList<Kind> &kinds();
    static const Kind &kind(int number);

    struct Answer
    {
        int status = 0;
        QByteArray body;
        int kind = -1;

        // The record the client maps: nothing when the client would see no record.
        std::optional<QMXmlNode> record() const;
        // The items of the record's list.
        QList<QMXmlNode> items() const;
        // The write acknowledgement: "ture" on success.
        QString result() const;
        QString error() const;
    };

    using Values = QMap<QString, QString>;

    explicit QMServiceClient(int port)
        : m_port(port)
    {}

    // Sends the kind with the values; "key" and "encryptCode" are filled in unless given.
    Answer send(int kind, const Values &values) const;
    // Sends this path and query as they stand.
    Answer get(const QByteArray &target, int kind = -1) const;
    // A POST of a form (the payment page).
    Answer post(const QByteArray &path, const QByteArray &form) const;
    QByteArray target(int kind, const Values &values) const;

    // Signs in and returns the memberEncode and memberid.
    QPair<QString, QString> signIn(const QString &user, const QString &password) const;

    int port() const { return m_port; }
    static QString digest(const Kind &kind, const Values &values);
    static QString md5(const QString &text);
    static QString partnerKey();
    static QString privateKey();
    // Today in Shanghai, "yyyy-MM-dd", offset by days.
    static QString shanghaiDay(int offset = 0);

private:
    int m_port;
};
