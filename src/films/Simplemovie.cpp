#include "films/Simplemovie.h"

QM_DEFINE_RECORD(Simplemovie, QM_FIELD(Simplemovie, movieid), QM_FIELD(Simplemovie, moviename),
                 QM_FIELD(Simplemovie, language), QM_FIELD(Simplemovie, director),
                 QM_FIELD(Simplemovie, actors), QM_FIELD(Simplemovie, openingdate),
                 QM_FIELD(Simplemovie, logo), QM_FIELD(Simplemovie, smalllogo),
                 QM_FIELD(Simplemovie, cinemanum), QM_FIELD(Simplemovie, ordercinemanum),
                 QM_FIELD(Simplemovie, length), QM_FIELD(Simplemovie, generalmark))
