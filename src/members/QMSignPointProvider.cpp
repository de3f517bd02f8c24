#include "members/QMSignPointProvider.h"

#include "members/QMMemberPosition.h"
#include "net/QMServiceAddress.h"

QMSignPointProvider::QMSignPointProvider()
    : QMInsertDataProvider(&QMSignPointProvider::singPointDelegate,
                           &QMSingPointProviderDelegate::singPointProviderDidReceiveInsertData,
                           &QMSingPointProviderDelegate::singPointProviderDidRunIntoError,
                           QStringLiteral("错误"), QStringLiteral("错误"))
{}

void QMSignPointProvider::requestSingPoint()
{
    QMServiceAddress address(25);
    address.add(QLatin1StringView("memberid"), memberid).addKey().addEncryptCode();
    issueRequest(QMMemberPosition::addTo(address));
}
