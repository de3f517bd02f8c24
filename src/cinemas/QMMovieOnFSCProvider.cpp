#include "cinemas/QMMovieOnFSCProvider.h"

#include "net/QMServiceAddress.h"

void QMMovieOnFSCProvider::requestOnPlayMovieListForCinema(const QString &cinemaid)
{
    if (cinemaid.isEmpty())
        return;
    issueRequest(
        QMServiceAddress(4).add(QLatin1StringView("cinemaid"), cinemaid).addKey().addEncryptCode());
}

QByteArray QMMovieOnFSCProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"movie>", "mpi>"},
                            {"<movieList>", "<mpiList><mpiArray>"},
                            {"</movieList>", "</mpiArray></mpiList>"}});
}
