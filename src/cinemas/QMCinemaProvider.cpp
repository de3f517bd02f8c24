#include "cinemas/QMCinemaProvider.h"

QMCinemaProvider::QMCinemaProvider()
    : QMRecordProvider(&QMCinemaProvider::cinemaDelegate,
                       &QMCinemaProviderDelegate::cinemaProviderDidReceivedCinemaList,
                       &QMCinemaProviderDelegate::cinemaProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

QByteArray QMCinemaProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"cinema>", "simpleCinema>"},
                            {"<cinemaList>", "<cinemaList><cinemaArray>"},
                            {"</cinemaList>", "</cinemaArray></cinemaList>"}});
}
