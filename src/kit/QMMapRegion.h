#pragma once

#include "kit/QMMapCoordinate.h"

// The part of the map to show: a centre and how many degrees of latitude and longitude around it.
struct QMMapRegion
{
    // About 110 metres: closer than that the map has nothing more to show.
    static constexpr double minimumDelta = 0.001;
    static constexpr double maximumLatitudeDelta = 180;
    static constexpr double maximumLongitudeDelta = 360;
    // The projection's limit: the map never centres beyond it.
    static constexpr double maximumCenterLatitude = 85;

    QMMapCoordinate center;
    double latitudeDelta = 0;
    double longitudeDelta = 0;

    // The region of latitudeMetres north to south and longitudeMetres east to west around
    // center.
    static QMMapRegion withDistance(const QMMapCoordinate &center, double latitudeMetres,
                                    double longitudeMetres);

    // A region a map can show: spans within their limits, the centre's latitude within ±85 and
    // its longitude within ±180. A centre or a span that is not a number is taken from fallback.
    QMMapRegion clamped(const QMMapRegion &fallback) const;

    bool operator==(const QMMapRegion &) const = default;
};
