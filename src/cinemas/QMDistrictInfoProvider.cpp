#include "cinemas/QMDistrictInfoProvider.h"

#include "net/QMServiceAddress.h"

QMDistrictInfoProvider::QMDistrictInfoProvider()
    : QMRecordProvider(&QMDistrictInfoProvider::districtDelegate,
                       &QMDistrictInfoProviderDelegate::districtInfoProviderDidRecievedDistrictInfo,
                       &QMDistrictInfoProviderDelegate::districtInfoProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMDistrictInfoProvider::requestDistrictsOfRegion(const QString &citycode)
{
    if (citycode.isEmpty())
        return;
    issueRequest(
        QMServiceAddress(9).add(QLatin1StringView("citycode"), citycode).addKey().addEncryptCode());
}

QByteArray QMDistrictInfoProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"<countyList>", "<countyList><countyArray>"},
                            {"</countyList>", "</countyArray></countyList>"}});
}
