#include "cinemas/OpCinemaList.h"

QM_DEFINE_RECORD(OpCinemaList, QM_FIELD(OpCinemaList, cinemaArray))
