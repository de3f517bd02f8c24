#pragma once

#include <QGeoPositionInfo>
#include <QString>

class QMLocationProvider;

class QMLocationProviderDelegate
{
public:
    virtual ~QMLocationProviderDelegate() = default;
    virtual void locationProviderDidUpdateToNewLocation(QMLocationProvider *provider,
                                                        const QGeoPositionInfo &location) = 0;
    virtual void locationProviderDidiRunIntoError(QMLocationProvider *provider,
                                                  const QString &error) = 0;
};
