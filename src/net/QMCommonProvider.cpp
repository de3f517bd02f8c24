#include "net/QMCommonProvider.h"

#include "net/QMDataProvider.h"
#include "net/QMServiceAddress.h"
#include "xml/QMRecord.h"
#include "xml/QMXMLDeserializer.h"

#include <QLocale>
#include <QStringDecoder>

QMCommonProvider::QMCommonProvider() = default;

QMCommonProvider::~QMCommonProvider() = default;

QString QMCommonProvider::convertDateToString(const QDate &date)
{
    return QLocale::c().toString(date, QStringLiteral("yyyy-MM-dd"));
}

quint64 QMCommonProvider::issueRequest(const QMServiceAddress &address)
{
    std::shared_ptr<QMCommonProvider> self = weak_from_this().lock();
    Q_ASSERT_X(self, "QMCommonProvider", "providers are owned by a std::shared_ptr");
    if (!self)
        return 0;
    QNetworkRequest request(address.toUrl());
    return QMDataProvider::DataProvider()->issueRequestWithDelegate(request, std::move(self));
}

std::shared_ptr<QMRecord> QMCommonProvider::mapAnswer(const QByteArray &data,
                                                      const QMRecordClass &cls,
                                                      QLatin1StringView root) const
{
    QStringDecoder decoder(QStringConverter::Utf8);
    const QString text = decoder.decode(data);
    if (decoder.hasError())
        return nullptr;
    auto deserializer = QMXMLDeserializer::create(&cls, trimXML(text).toUtf8(), root);
    return deserializer ? deserializer->deserialize() : nullptr;
}

QString
QMCommonProvider::replacing(QString text,
                            std::initializer_list<std::pair<const char *, const char *>> pairs)
{
    for (const auto &[from, to] : pairs)
        text.replace(QLatin1StringView(from), QLatin1StringView(to));
    return text;
}
