#include "cinemas/QMGeoDistance.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
// sin² of half the difference, the half taken in single precision as distances always were.
double halfDifferenceSquaredSine(double a, double b)
{
    const double half = double(float(a - b) * 0.5f);
    const double s = std::sin(half);
    return s * s;
}
} // namespace

double rad(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

double geoDistance(const QMLocationProvider::Coordinate &from,
                   const QMLocationProvider::Coordinate &to)
{
    const double lat1 = rad(from.latitude);
    const double lat2 = rad(to.latitude);
    const double h1 = halfDifferenceSquaredSine(lat1, lat2);
    const double k = std::cos(lat1) * std::cos(lat2);
    const double h2 = halfDifferenceSquaredSine(rad(from.longitude), rad(to.longitude));
    // Rounding can lift the sum just above 1 for points on opposite sides of the earth, where
    // asin would give no number at all.
    const double h = std::clamp(h1 + k * h2, 0.0, 1.0);
    return std::asin(std::sqrt(h)) * 12756.274 * 1000.0;
}
