#include "services/QMLocationProvider.h"

#include "services/QMNotificationCenter.h"

#include <QFile>
#include <QNmeaPositionInfoSource>
#include <QTimer>

QMLocationProvider::QMLocationProvider()
{
    createSource(qEnvironmentVariable("QM_NMEA_FILE"));
}

QMLocationProvider::QMLocationProvider(const QString &nmeaFile)
{
    createSource(nmeaFile);
}

QMLocationProvider::~QMLocationProvider()
{
    if (_locationMananger)
        _locationMananger->stopUpdates();
}

void QMLocationProvider::createSource(const QString &nmeaFile)
{
    if (!nmeaFile.isEmpty()) {
        auto log = std::make_unique<QFile>(nmeaFile);
        if (log->open(QIODevice::ReadOnly)) {
            auto source =
                std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
            source->setDevice(log.get());
            m_nmeaLog = std::move(log);
            _locationMananger = std::move(source);
        }
    } else {
        _locationMananger.reset(QGeoPositionInfoSource::createDefaultSource(nullptr));
    }
    if (!_locationMananger)
        return;
    connect(_locationMananger.get(), &QGeoPositionInfoSource::positionUpdated, this,
            &QMLocationProvider::locationManagerDidUpdateToLocation);
    connect(_locationMananger.get(), &QGeoPositionInfoSource::errorOccurred, this,
            [this](QGeoPositionInfoSource::Error error) {
                if (error == QGeoPositionInfoSource::AccessError)
                    locationManagerDidFailWithError(QStringLiteral("location access denied"));
                else if (error != QGeoPositionInfoSource::NoError)
                    locationManagerDidFailWithError(QStringLiteral("location unavailable"));
            });
}

void QMLocationProvider::updateLocation()
{
    if (!_locationMananger) {
        // Announced from the run loop, like a failure of a real source.
        QTimer::singleShot(0, this, [this] {
            locationManagerDidFailWithError(QStringLiteral("no position source"));
        });
        return;
    }
    _locationMananger->startUpdates();
}

void QMLocationProvider::locationManagerDidUpdateToLocation(const QGeoPositionInfo &location)
{
    const QGeoCoordinate coordinate = location.coordinate();
    if (!coordinate.isValid())
        return;
    setCurrentLocation({coordinate.latitude(), coordinate.longitude()});
    m_failureAnnounced = false;
    if (auto *delegate = locationDelegate.get())
        delegate->locationProviderDidUpdateToNewLocation(this, location);
    QMNotificationCenter::defaultCenter().post(kLocationNotification, this);
}

void QMLocationProvider::locationManagerDidFailWithError(const QString &error)
{
    // A source that keeps failing is announced once, until it delivers a fix again.
    if (m_failureAnnounced)
        return;
    m_failureAnnounced = true;
    if (auto *delegate = locationDelegate.get())
        delegate->locationProviderDidiRunIntoError(this, error);
    QMNotificationCenter::defaultCenter().post(kLocationNotification, this);
}
