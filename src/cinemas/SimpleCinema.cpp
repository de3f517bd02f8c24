#include "cinemas/SimpleCinema.h"

#include "cinemas/Cinema.h"
#include "cinemas/QMGeoDistance.h"

#include <cmath>

QM_DEFINE_RECORD(SimpleCinema, QM_FIELD(SimpleCinema, cinemaid), QM_FIELD(SimpleCinema, cinemaname),
                 QM_FIELD(SimpleCinema, address), QM_FIELD(SimpleCinema, generalmark),
                 QM_FIELD(SimpleCinema, pointx), QM_FIELD(SimpleCinema, pointy),
                 QM_FIELD(SimpleCinema, distance), QM_FIELD(SimpleCinema, open))

SimpleCinema::SimpleCinema(const Cinema &cinema)
    : cinemaid(cinema.cinemaid)
    , cinemaname(cinema.cinemaname)
    , address(cinema.address)
    , generalmark(cinema.generalmark)
    , pointx(cinema.pointx)
    , pointy(cinema.pointy)
    , open(cinema.open)
{}

namespace {
bool isGiven(qint32 distance)
{
    return double(distance) >= 0.1;
}
} // namespace

double SimpleCinema::shownDistance(const QMLocationProvider::Coordinate &current) const
{
    if (isGiven(distance))
        return distance;
    return geoDistance(current, {pointy, pointx});
}

QString SimpleCinema::distanceText(double metres)
{
    if (!std::isfinite(metres))
        return {};
    return QString::asprintf("%.1fkm", metres / 1000.0);
}

QString SimpleCinema::shownDistanceText(const QMLocationProvider &location) const
{
    if (!isGiven(distance) && !location.hasLocation())
        return {};
    return distanceText(shownDistance(location.currentLocation()));
}
