#include "services/QMFixedPositionSource.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimer>

#include <cmath>

QMFixedPositionSource::QMFixedPositionSource(const QGeoCoordinate &position, QObject *parent)
    : QGeoPositionInfoSource(parent)
    , m_position(position)
{}

QMFixedPositionSource::~QMFixedPositionSource() = default;

std::optional<QGeoCoordinate> QMFixedPositionSource::parse(const QString &text, QString *error)
{
    const auto fail = [error](const QString &why) -> std::optional<QGeoCoordinate> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // Plain decimals only: no exponents, "nan" or "inf", and a comma is never a decimal mark.
    static const QString number = QStringLiteral("([+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+))");
    static const QRegularExpression form(QStringLiteral("^ *%1 *, *%1 *$").arg(number));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return fail(QStringLiteral("expected LAT,LON in decimal degrees, for example "
                                   "31.2304,121.4737"));
    bool latitudeOk = false;
    bool longitudeOk = false;
    const double latitude = match.captured(1).toDouble(&latitudeOk);
    const double longitude = match.captured(2).toDouble(&longitudeOk);
    if (!latitudeOk || !std::isfinite(latitude) || latitude < -90 || latitude > 90)
        return fail(QStringLiteral("the latitude %1 is not within -90..90").arg(match.captured(1)));
    if (!longitudeOk || !std::isfinite(longitude) || longitude < -180 || longitude > 180)
        return fail(
            QStringLiteral("the longitude %1 is not within -180..180").arg(match.captured(2)));
    return QGeoCoordinate(latitude, longitude);
}

QGeoPositionInfo QMFixedPositionSource::lastKnownPosition(bool) const
{
    return m_lastDelivered;
}

QGeoPositionInfoSource::PositioningMethods
QMFixedPositionSource::supportedPositioningMethods() const
{
    return NonSatellitePositioningMethods;
}

int QMFixedPositionSource::minimumUpdateInterval() const
{
    return 0;
}

QGeoPositionInfoSource::Error QMFixedPositionSource::error() const
{
    return NoError;
}

void QMFixedPositionSource::startUpdates()
{
    m_active = true;
    QTimer::singleShot(0, this, [this] {
        if (m_active) // not stopped in the meantime
            deliver();
    });
}

void QMFixedPositionSource::stopUpdates()
{
    m_active = false;
}

void QMFixedPositionSource::requestUpdate(int)
{
    QTimer::singleShot(0, this, &QMFixedPositionSource::deliver);
}

void QMFixedPositionSource::deliver()
{
    m_lastDelivered = QGeoPositionInfo(m_position, QDateTime::currentDateTimeUtc());
    emit positionUpdated(m_lastDelivered);
}
