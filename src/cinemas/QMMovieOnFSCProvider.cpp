#include "cinemas/QMMovieOnFSCProvider.h"

#include "net/QMServiceAddress.h"

void QMMovieOnFSCProvider::requestOnPlayMovieListForCinema(const QString &cinemaid)
{
    if (cinemaid.isEmpty())
        return;
    issueRequest(
        QMServiceAddress(4).add(QLatin1StringView("cinemaid"), cinemaid).addKey().addEncryptCode());
}

QString QMMovieOnFSCProvider::trimXML(const QString &text) const
{
    return replacing(text, {{"movie>", "mpi>"},
                            {"<movieList>", "<mpiList><mpiArray>"},
                            {"</movieList>", "</mpiArray></mpiList>"}});
}
