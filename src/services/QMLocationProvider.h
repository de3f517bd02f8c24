#pragma once

#include "net/QMWeakDelegate.h"
#include "services/QMLocationProviderDelegate.h"

#include <QGeoPositionInfoSource>
#include <QObject>
#include <QTimer>

#include <memory>
#include <optional>

class QIODevice;

// Posted after every position fix and every failure; the object is the provider.
inline const QString kLocationNotification = QStringLiteral("LocationObtainNotification");

// The device's last known position for the whole application. Fixes come from a fixed position
// when the process was given one (qmclient --position, QM_POSITION), else from the NMEA log
// named by QM_NMEA_FILE replayed at its own pace (the demo and the tests walk around People's
// Square), else from the platform's position source. Updates go on for the life of the process;
// every fix overwrites currentLocation. A source that stays silent after updateLocation is
// announced as failed after a while, so that nobody waits for it for ever.
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

    static constexpr int kSilenceMs = 8000;

    QMLocationProvider();
    // A provider that replays the given NMEA log (used by tests with logs of their own).
    explicit QMLocationProvider(const QString &nmeaFile);
    // A provider on the given source (none: a provider without a source).
    explicit QMLocationProvider(std::unique_ptr<QGeoPositionInfoSource> source);
    ~QMLocationProvider() override;

    // The position that providers created from now on stand at, instead of QM_NMEA_FILE or the
    // platform's source; none gives those back. Set by main before the registry exists.
    static void setFixedPosition(const std::optional<Coordinate> &position);
    static std::optional<Coordinate> fixedPosition();

    QMWeakDelegate<QMLocationProviderDelegate> locationDelegate;

    // Starts position updates. Without a source, a single failure is announced; a source that
    // gives neither a fix nor an error within the silence time is announced as failed once
    // (its later fixes still count).
    void updateLocation();
    void setSilenceTimeout(int milliseconds) { m_silenceMs = milliseconds; }

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
    void createNmeaSource(const QString &nmeaFile);
    void listenToSource();

    std::unique_ptr<QGeoPositionInfoSource> _locationMananger;
    std::unique_ptr<QIODevice> m_nmeaLog;
    Coordinate _currentLocation;
    bool m_hasLocation = false;
    bool m_failureAnnounced = false;
    int m_silenceMs = kSilenceMs;
    QTimer m_silenceTimer;
};
