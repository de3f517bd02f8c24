#pragma once

#include <cmath>

// A place on the earth in degrees: latitude north positive, longitude east positive.
struct QMMapCoordinate
{
    double latitude = 0;
    double longitude = 0;

    // Finite and within ±90 / ±180: anything else names no place and is never shown.
    bool isValid() const
    {
        return std::isfinite(latitude) && std::isfinite(longitude) && std::abs(latitude) <= 90 &&
               std::abs(longitude) <= 180;
    }

    bool operator==(const QMMapCoordinate &) const = default;
};
