#include "net/QMServiceAddress.h"

#include "net/QMDataProvider.h"
#include "net/QMEncoderProvider.h"

QMServiceAddress::QMServiceAddress(QMRequestKind kind)
    : m_address(QMDataProvider::urlForRequest(kind))
{}

QMServiceAddress &QMServiceAddress::add(QLatin1StringView name, const QString &value)
{
    if (m_address.isNull())
        return *this;
    if (m_hasParameter)
        m_address += QLatin1Char('&');
    m_address += name;
    m_address += QLatin1Char('=');
    m_address += value;
    m_hasParameter = true;
    return *this;
}

QMServiceAddress &QMServiceAddress::add(QLatin1StringView name, int value)
{
    return add(name, QString::number(value));
}

QMServiceAddress &QMServiceAddress::addCoordinate(QLatin1StringView name, double value)
{
    return add(name, QString::number(value, 'f', 3));
}

QMServiceAddress &QMServiceAddress::addUserText(QLatin1StringView name, const QString &value)
{
    return add(name, escapeValue(value));
}

QMServiceAddress &QMServiceAddress::addKey()
{
    return add(QLatin1StringView("key"), QMEncoderProvider::CorprationKey());
}

QMServiceAddress &QMServiceAddress::addEncryptCode()
{
    return addEncryptCode(QMEncoderProvider::GetEncodeString());
}

QMServiceAddress &QMServiceAddress::addEncryptCode(const QString &digest)
{
    return add(QLatin1StringView("encryptCode"), digest);
}

QString QMServiceAddress::toString() const
{
    return m_address;
}

QUrl QMServiceAddress::toUrl() const
{
    // The text is sent exactly as composed: anything outside printable ASCII makes it no URL.
    for (QChar c : m_address) {
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7f)
            return {};
    }
    return QUrl::fromEncoded(m_address.toLatin1(), QUrl::StrictMode);
}

QString QMServiceAddress::escapeValue(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value, QByteArrayLiteral(",:")));
}
