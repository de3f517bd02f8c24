#include "cinemas/OpCinema.h"

QM_DEFINE_RECORD(OpCinema, QM_FIELD(OpCinema, relatedid), QM_FIELD(OpCinema, cinemaid),
                 QM_FIELD(OpCinema, cinemaname), QM_FIELD(OpCinema, logo))
