#include "QMSGeo.h"

#include <cmath>

double QMSGeo::metres(double latitude1, double longitude1, double latitude2, double longitude2)
{
    constexpr double radius = 6371008.8;
    constexpr double degree = M_PI / 180.0;
    const double dLatitude = (latitude2 - latitude1) * degree;
    const double dLongitude = (longitude2 - longitude1) * degree;
    const double a = std::sin(dLatitude / 2) * std::sin(dLatitude / 2) +
                     std::cos(latitude1 * degree) * std::cos(latitude2 * degree) *
                         std::sin(dLongitude / 2) * std::sin(dLongitude / 2);
    return 2 * radius * std::asin(std::min(1.0, std::sqrt(a)));
}

bool QMSGeo::isKnown(double latitude, double longitude)
{
    return std::fabs(latitude) >= 0.1 || std::fabs(longitude) >= 0.1;
}
