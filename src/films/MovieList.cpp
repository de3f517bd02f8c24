#include "films/MovieList.h"

QM_DEFINE_RECORD(MovieList, QM_FIELD(MovieList, movieListArray))
