#include "kit/QMMapProjection.h"

#include <QtMath>

#include <cmath>

double QMMapProjection::worldY(double latitude)
{
    const double phi = qDegreesToRadians(qBound(-maximumLatitude, latitude, maximumLatitude));
    return 0.5 - std::asinh(std::tan(phi)) / (2 * M_PI);
}

double QMMapProjection::latitude(double worldY)
{
    return qRadiansToDegrees(std::atan(std::sinh(M_PI * (1 - 2 * worldY))));
}

QPointF QMMapProjection::worldPoint(const QMMapCoordinate &coordinate)
{
    return {(coordinate.longitude + 180) / 360, worldY(coordinate.latitude)};
}

QMMapCoordinate QMMapProjection::coordinate(const QPointF &worldPoint)
{
    return {latitude(worldPoint.y()), worldPoint.x() * 360 - 180};
}

double QMMapProjection::metresPerWorldUnit(double latitude)
{
    return earthCircumference * std::cos(qDegreesToRadians(latitude));
}
