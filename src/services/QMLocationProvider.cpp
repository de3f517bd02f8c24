#include "services/QMLocationProvider.h"

#include "services/QMFixedPositionSource.h"
#include "services/QMNotificationCenter.h"

#include <QFile>
#include <QNmeaPositionInfoSource>

namespace {
std::optional<QMLocationProvider::Coordinate> &processPosition()
{
    static std::optional<QMLocationProvider::Coordinate> position;
    return position;
}
} // namespace

QMLocationProvider::QMLocationProvider()
{
    if (const std::optional<Coordinate> fixed = processPosition()) {
        _locationMananger = std::make_unique<QMFixedPositionSource>(
            QGeoCoordinate(fixed->latitude, fixed->longitude));
        listenToSource();
        return;
    }
    const QString nmeaFile = qEnvironmentVariable("QM_NMEA_FILE");
    if (nmeaFile.isEmpty())
        _locationMananger.reset(QGeoPositionInfoSource::createDefaultSource(nullptr));
    else
        createNmeaSource(nmeaFile);
    listenToSource();
}

QMLocationProvider::QMLocationProvider(const QString &nmeaFile)
{
    createNmeaSource(nmeaFile);
    listenToSource();
}

QMLocationProvider::QMLocationProvider(std::unique_ptr<QGeoPositionInfoSource> source)
    : _locationMananger(std::move(source))
{
    listenToSource();
}

QMLocationProvider::~QMLocationProvider()
{
    if (_locationMananger)
        _locationMananger->stopUpdates();
}

void QMLocationProvider::setFixedPosition(const std::optional<Coordinate> &position)
{
    processPosition() = position;
}

std::optional<QMLocationProvider::Coordinate> QMLocationProvider::fixedPosition()
{
    return processPosition();
}

void QMLocationProvider::createNmeaSource(const QString &nmeaFile)
{
    auto log = std::make_unique<QFile>(nmeaFile);
    if (!log->open(QIODevice::ReadOnly))
        return;
    auto source =
        std::make_unique<QNmeaPositionInfoSource>(QNmeaPositionInfoSource::SimulationMode);
    source->setDevice(log.get());
    m_nmeaLog = std::move(log);
    _locationMananger = std::move(source);
}

void QMLocationProvider::listenToSource()
{
    m_silenceTimer.setSingleShot(true);
    connect(&m_silenceTimer, &QTimer::timeout, this, [this] {
        locationManagerDidFailWithError(QStringLiteral("the position source does not answer"));
    });
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
    m_silenceTimer.start(m_silenceMs);
    _locationMananger->startUpdates();
}

void QMLocationProvider::locationManagerDidUpdateToLocation(const QGeoPositionInfo &location)
{
    const QGeoCoordinate coordinate = location.coordinate();
    if (!coordinate.isValid())
        return;
    m_silenceTimer.stop();
    setCurrentLocation({coordinate.latitude(), coordinate.longitude()});
    m_failureAnnounced = false;
    if (auto *delegate = locationDelegate.get())
        delegate->locationProviderDidUpdateToNewLocation(this, location);
    QMNotificationCenter::defaultCenter().post(kLocationNotification, this);
}

void QMLocationProvider::locationManagerDidFailWithError(const QString &error)
{
    m_silenceTimer.stop();
    // A source that keeps failing is announced once, until it delivers a fix again.
    if (m_failureAnnounced)
        return;
    m_failureAnnounced = true;
    if (auto *delegate = locationDelegate.get())
        delegate->locationProviderDidiRunIntoError(this, error);
    QMNotificationCenter::defaultCenter().post(kLocationNotification, this);
}
