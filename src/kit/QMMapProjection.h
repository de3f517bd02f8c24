#pragma once

#include "kit/QMMapCoordinate.h"

#include <QPointF>

// The Web Mercator projection of map tiles: the world is the unit square, x growing eastwards
// from 180° west, y growing southwards from about 85.05° north (where the square ends).
class QMMapProjection
{
public:
    static constexpr double earthRadius = 6378137.0; // metres, the projection's sphere
    static constexpr double earthCircumference = 2 * 3.14159265358979323846 * earthRadius;
    static constexpr double maximumLatitude = 85.0511287798066;

    // Latitudes beyond the limit are drawn at the limit.
    static QPointF worldPoint(const QMMapCoordinate &coordinate);
    static QMMapCoordinate coordinate(const QPointF &worldPoint);
    static double worldY(double latitude);
    static double latitude(double worldY);
    // Metres on the ground for one unit of world at that latitude.
    static double metresPerWorldUnit(double latitude);
};
