#include "cinemas/QMMovieToFSCProvider.h"

#include "net/QMServiceAddress.h"

void QMMovieToFSCProvider::requestToPlayInfoForCinema(const QString &cinemaid,
                                                      const QString &andMovie, const QDate &date)
{
    if (cinemaid.isEmpty())
        return;
    QMServiceAddress address(5);
    address.add(QLatin1StringView("cinemaid"), cinemaid);
    if (!andMovie.isEmpty())
        address.add(QLatin1StringView("movieid"), andMovie);
    issueRequest(address.add(QLatin1StringView("playdate"), convertDateToString(date))
                     .add(QLatin1StringView("charging"), QStringLiteral("times"))
                     .addKey()
                     .addEncryptCode());
}

QString QMMovieToFSCProvider::trimXML(const QString &text) const
{
    return replacing(
        text, {{"<mpiList>", "<mpiList><mpiArray>"}, {"</mpiList>", "</mpiArray></mpiList>"}});
}
