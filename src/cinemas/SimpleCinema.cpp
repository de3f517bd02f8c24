#include "cinemas/SimpleCinema.h"

#include "cinemas/Cinema.h"
#include "cinemas/QMGeoDistance.h"

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

double SimpleCinema::shownDistance(const QMLocationProvider::Coordinate &current) const
{
    const double given = distance;
    if (given >= 0.1)
        return given;
    return geoDistance(current, {pointy, pointx});
}

QString SimpleCinema::distanceText(double metres)
{
    return QString::asprintf("%.1fkm", metres / 1000.0);
}
