#pragma once

#include "net/QMRequestKind.h"

#include <QString>
#include <QUrl>

// Composes the address of one service request: base address, the kind's path, then the
// parameters in the order they are added ("name=value", joined by "&").
//
// Values go into the address as they stand, except free text (typed by the user: comment and
// reply bodies, user name, password, e-mail, nickname, sex, mobile; or names the service gave:
// seat labels), which is percent-escaped on its own as a UTF-8 query value. Nothing is escaped
// twice.
class QMServiceAddress
{
public:
    explicit QMServiceAddress(QMRequestKind kind);

    QMServiceAddress &add(QLatin1StringView name, const QString &value);
    QMServiceAddress &add(QLatin1StringView name, int value);
    // Three decimals, as coordinates are sent.
    QMServiceAddress &addCoordinate(QLatin1StringView name, double value);
    QMServiceAddress &addUserText(QLatin1StringView name, const QString &value);
    // key=<partner key>
    QMServiceAddress &addKey();
    // encryptCode=<digest>; the ordinary digest unless the request binds its own values.
    QMServiceAddress &addEncryptCode();
    QMServiceAddress &addEncryptCode(const QString &digest);

    // Null when the kind has no path.
    QString toString() const;
    // The URL to fetch; invalid (and so never sent) when the text is not a valid address, for
    // example when a value holds raw non-ASCII characters or spaces.
    QUrl toUrl() const;

    // Everything except A-Z a-z 0-9 - . _ ~ , : as %XX of its UTF-8 bytes. "," and ":" stay
    // raw: they separate the entries of a seat label, and a query value may hold them as they
    // are.
    static QString escapeValue(const QString &value);

private:
    QString m_address;
    bool m_hasParameter = false;
};
