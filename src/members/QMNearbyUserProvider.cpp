#include "members/QMNearbyUserProvider.h"

#include "members/QMMemberPosition.h"
#include "net/QMServiceAddress.h"

QMNearbyUserProvider::QMNearbyUserProvider()
    : QMRecordProvider(&QMNearbyUserProvider::userDelegate,
                       &QMNearbyUserProviderDelegate::nearbyUserProviderDidReceiveMemberList,
                       &QMNearbyUserProviderDelegate::nearbyUserProviderDidRunIntoError,
                       QLatin1StringView("data"))
{}

void QMNearbyUserProvider::requestNearbyMemberInDistance(qint32 radius)
{
    QMServiceAddress address(15);
    address.addKey().addEncryptCode();
    issueRequest(QMMemberPosition::addTo(address).add(QLatin1StringView("R"), radius));
}

QByteArray QMNearbyUserProvider::trimXML(const QByteArray &text) const
{
    return replacing(text, {{"<memberList>", "<memberList><memberArray>"},
                            {"</memberList>", "</memberArray></memberList>"},
                            {"member>", "nearbyUser>"}});
}
