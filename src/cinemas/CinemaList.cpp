#include "cinemas/CinemaList.h"

QM_DEFINE_RECORD(CinemaList, QM_FIELD(CinemaList, cinemaArray))
