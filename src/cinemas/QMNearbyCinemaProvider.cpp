#include "cinemas/QMNearbyCinemaProvider.h"

#include "net/QMServiceAddress.h"

void QMNearbyCinemaProvider::requestForCinemasNearby(
    const QMLocationProvider::Coordinate &coordinate)
{
    issueRequest(QMServiceAddress(1)
                     .addKey()
                     .addCoordinate(QLatin1StringView("pointx"), coordinate.longitude)
                     .addCoordinate(QLatin1StringView("pointy"), coordinate.latitude)
                     .addEncryptCode());
}
