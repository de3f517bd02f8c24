#include "members/QMMemberPosition.h"

#include "app/QMDataContext.h"
#include "net/QMServiceAddress.h"
#include "services/QMLocationProvider.h"

QMServiceAddress &QMMemberPosition::addTo(QMServiceAddress &address)
{
    const auto here = QMDataContext::CurrentDataContext()->locationProvider()->currentLocation();
    return address.addCoordinate(QLatin1StringView("pointx"), here.longitude)
        .addCoordinate(QLatin1StringView("pointy"), here.latitude);
}
