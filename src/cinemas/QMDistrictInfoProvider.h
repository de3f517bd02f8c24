#pragma once

#include "cinemas/CountyList.h"
#include "cinemas/QMDistrictInfoProviderDelegate.h"
#include "net/QMRecordProvider.h"

// The districts of a city.
class QMDistrictInfoProvider final
    : public QMRecordProvider<QMDistrictInfoProvider, QMDistrictInfoProviderDelegate, CountyList>
{
public:
    QMDistrictInfoProvider();

    QMWeakDelegate<QMDistrictInfoProviderDelegate> districtDelegate;

    // Without a city code nothing is sent and nothing reported.
    void requestDistrictsOfRegion(const QString &citycode);

    QByteArray trimXML(const QByteArray &text) const override;
};
