#include "cinemas/QMMovieToFSCProvider.h"

#include "net/QMServiceAddress.h"

#include <QNetworkRequest>
#include <QUrlQuery>

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

QByteArray QMMovieToFSCProvider::trimXML(const QByteArray &text) const
{
    return replacing(
        text, {{"<mpiList>", "<mpiList><mpiArray>"}, {"</mpiList>", "</mpiArray></mpiList>"}});
}

QMMovieToFSCProvider::Verdict QMMovieToFSCProvider::judgeAnswer(const QNetworkRequest &request,
                                                                std::shared_ptr<MpiList> list)
{
    noteAnswered(request);
    return QMMovieFSCProvider::judgeAnswer(request, std::move(list));
}

QMMovieToFSCProvider::Verdict
QMMovieToFSCProvider::judgeFailure(const QNetworkRequest &request,
                                   const std::optional<QMError> &error)
{
    noteAnswered(request);
    return QMMovieFSCProvider::judgeFailure(request, error);
}

void QMMovieToFSCProvider::noteAnswered(const QNetworkRequest &request)
{
    const QUrlQuery query(request.url());
    const auto value = [&](const char *name) {
        return query.queryItemValue(QLatin1StringView(name), QUrl::FullyDecoded);
    };
    m_answered = {value("cinemaid"), value("movieid"),
                  QDate::fromString(value("playdate"), Qt::ISODate)};
}
