#include "cinemas/Mpi.h"

QM_DEFINE_RECORD(Mpi, QM_FIELD(Mpi, mpid), QM_FIELD(Mpi, movieid), QM_FIELD(Mpi, moviename),
                 QM_FIELD(Mpi, englishname), QM_FIELD(Mpi, language), QM_FIELD(Mpi, generalmark),
                 QM_FIELD(Mpi, logo), QM_FIELD(Mpi, smalllogo), QM_FIELD(Mpi, edition),
                 QM_FIELD(Mpi, playdate), QM_FIELD(Mpi, playtime), QM_FIELD(Mpi, playroom),
                 QM_FIELD(Mpi, price), QM_FIELD(Mpi, quelprice), QM_FIELD(Mpi, open))

QString Mpi::versionText() const
{
    return edition.isEmpty() ? language : language + QLatin1Char('/') + edition;
}
