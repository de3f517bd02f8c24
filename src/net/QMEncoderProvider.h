#pragma once

#include <QByteArray>
#include <QString>

// The digests that sign service requests. The keys are build constants.
class QMEncoderProvider
{
public:
    static QString CorprationKey();
    static QString PrivateKey();

    // MD5 of the UTF-8 bytes of s, as 32 lower-case hexadecimal characters.
    static QString GetMD5EncodeString(const QString &s);
    // The ordinary encryptCode: MD5 of partner key + private key. The same for every request.
    static QString GetEncodeString();
    // MD5 of s + partner key + private key: binds a request's own values to the digest.
    static QString GetEncodeStringWithMpi(const QString &s);
};

// Two lower-case hexadecimal digits per byte, in byte order.
QString hexval(const QByteArray &bytes);
