#include "net/QMCommonProvider.h"

#include "net/QMDataProvider.h"
#include "net/QMServiceAddress.h"
#include "xml/QMRecord.h"
#include "xml/QMXMLDeserializer.h"

#include <QLocale>

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
    if (!data.isValidUtf8())
        return nullptr;
    auto deserializer = QMXMLDeserializer::create(&cls, trimXML(data), root);
    return deserializer ? deserializer->deserialize() : nullptr;
}

QByteArray QMCommonProvider::replacing(const QByteArray &utf8,
                                       std::initializer_list<QMXMLRewrite::Pair> pairs)
{
    return QMXMLRewrite(pairs).apply(utf8);
}
