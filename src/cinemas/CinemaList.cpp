#include "cinemas/CinemaList.h"

#include <algorithm>

QM_DEFINE_RECORD(CinemaList, QM_FIELD(CinemaList, cinemaArray))

QList<std::shared_ptr<SimpleCinema>>
CinemaList::sellersFirst(QList<std::shared_ptr<SimpleCinema>> cinemas)
{
    // Stable, so a nearby list stays nearest first among the cinemas that sell.
    std::stable_partition(cinemas.begin(), cinemas.end(),
                          [](const std::shared_ptr<SimpleCinema> &cinema) { return cinema->open; });
    return cinemas;
}
