#include "kit/QMMapRegion.h"

#include "kit/QMMapProjection.h"

#include <QtMath>

#include <cmath>

QMMapRegion QMMapRegion::withDistance(const QMMapCoordinate &center, double latitudeMetres,
                                      double longitudeMetres)
{
    const double metresPerDegree = QMMapProjection::earthCircumference / 360;
    const double parallel = std::cos(qDegreesToRadians(center.latitude));
    QMMapRegion region;
    region.center = center;
    region.latitudeDelta = latitudeMetres / metresPerDegree;
    region.longitudeDelta =
        parallel > 1e-9 ? longitudeMetres / (metresPerDegree * parallel) : maximumLongitudeDelta;
    return region;
}

static double clampedDelta(double delta, double fallback, double maximum)
{
    if (!std::isfinite(delta))
        delta = fallback;
    return qBound(QMMapRegion::minimumDelta, std::abs(delta), maximum);
}

QMMapRegion QMMapRegion::clamped(const QMMapRegion &fallback) const
{
    QMMapRegion region = *this;
    if (!std::isfinite(center.latitude) || !std::isfinite(center.longitude))
        region.center = fallback.center;
    region.center.latitude =
        qBound(-maximumCenterLatitude, region.center.latitude, maximumCenterLatitude);
    // Longitudes go round: 190 east is 170 west.
    if (region.center.longitude < -180 || region.center.longitude > 180) {
        double longitude = std::fmod(region.center.longitude + 180, 360);
        if (longitude < 0)
            longitude += 360;
        region.center.longitude = longitude - 180;
    }
    region.latitudeDelta =
        clampedDelta(latitudeDelta, fallback.latitudeDelta, maximumLatitudeDelta);
    region.longitudeDelta =
        clampedDelta(longitudeDelta, fallback.longitudeDelta, maximumLongitudeDelta);
    return region;
}
