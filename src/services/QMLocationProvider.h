#pragma once

#include "net/QMWeakDelegate.h"
#include "services/QMLocationProviderDelegate.h"

#include <QGeoPositionInfoSource>
#include <QObject>

#include <memory>

class QIODevice;

// Posted after every position fix and every failure; the object is the provider.
inline const QString kLocationNotification = QStringLiteral("LocationObtainNotification");

// The device's last known position for the whole application. Fixes come from the platform's
// position source or, when the environment names one in QM_NMEA_FILE, from an NMEA log replayed
// at its own pace (the demo and the tests walk around People's Square). Updates go on for the
// life of the process; every fix overwrites currentLocation.
class QMLocationProvider final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMLocationProvider)

public:
    struct Coordinate
    {
        double latitude = 0;
        double longitude = 0;
    };

    QMLocationProvider();
    // A provider that replays the given NMEA log (used by tests with logs of their own).
    explicit QMLocationProvider(const QString &nmeaFile);
    ~QMLocationProvider() override;

    QMWeakDelegate<QMLocationProviderDelegate> locationDelegate;

    // Starts position updates. Without a source, a single failure is announced.
    void updateLocation();

    Coordinate currentLocation() const { return _currentLocation; }
    // False until the first fix: currentLocation is then 0, 0, which measures no real distance.
    bool hasLocation() const { return m_hasLocation; }
    void setCurrentLocation(const Coordinate &location)
    {
        _currentLocation = location;
        m_hasLocation = true;
    }

    // The platform's callbacks, public so that tests can feed fixes and failures directly.
    void locationManagerDidUpdateToLocation(const QGeoPositionInfo &location);
    void locationManagerDidFailWithError(const QString &error);

private:
    void createSource(const QString &nmeaFile);

    std::unique_ptr<QGeoPositionInfoSource> _locationMananger;
    std::unique_ptr<QIODevice> m_nmeaLog;
    Coordinate _currentLocation;
    bool m_hasLocation = false;
    bool m_failureAnnounced = false;
};
