#include "net/QMEncoderProvider.h"

#include "QMBuildConfig.h"

#include <QCryptographicHash>

QString hexval(const QByteArray &bytes)
{
    static constexpr char digits[] = "0123456789abcdef";
    QString text;
    text.reserve(bytes.size() * 2);
    for (char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        text.append(QLatin1Char(digits[b >> 4]));
        text.append(QLatin1Char(digits[b & 0x0f]));
    }
    return text;
}

QString QMEncoderProvider::CorprationKey()
{
    return QStringLiteral(QM_PARTNER_KEY);
}

QString QMEncoderProvider::PrivateKey()
{
    return QStringLiteral(QM_PRIVATE_KEY);
}

QString QMEncoderProvider::GetMD5EncodeString(const QString &s)
{
    return hexval(QCryptographicHash::hash(s.toUtf8(), QCryptographicHash::Md5));
}

QString QMEncoderProvider::GetEncodeString()
{
    static const QString code = GetMD5EncodeString(CorprationKey() + PrivateKey());
    return code;
}

QString QMEncoderProvider::GetEncodeStringWithMpi(const QString &s)
{
    return GetMD5EncodeString(s + CorprationKey() + PrivateKey());
}
