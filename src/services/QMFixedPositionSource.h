#pragma once

#include <QGeoCoordinate>
#include <QGeoPositionInfoSource>

#include <optional>

// A position source that always stands at one place: for a desktop without a satellite fix,
// given as "LAT,LON" (qmclient --position, QM_POSITION). Each start or request delivers the
// position once, from the run loop, like a real source's first fix.
class QMFixedPositionSource final : public QGeoPositionInfoSource
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMFixedPositionSource)

public:
    explicit QMFixedPositionSource(const QGeoCoordinate &position, QObject *parent = nullptr);
    ~QMFixedPositionSource() override;

    // "LAT,LON" in decimal degrees ("31.2304,121.4737"; blanks around the numbers are allowed),
    // latitude within [-90, 90], longitude within [-180, 180]. Otherwise nothing, and why
    // in *error.
    static std::optional<QGeoCoordinate> parse(const QString &text, QString *error = nullptr);

    QGeoPositionInfo
    lastKnownPosition(bool fromSatellitePositioningMethodsOnly = false) const override;
    PositioningMethods supportedPositioningMethods() const override;
    int minimumUpdateInterval() const override;
    Error error() const override;

    void startUpdates() override;
    void stopUpdates() override;
    void requestUpdate(int timeout = 0) override;

private:
    void deliver();

    QGeoCoordinate m_position;
    QGeoPositionInfo m_lastDelivered;
    bool m_active = false;
};
