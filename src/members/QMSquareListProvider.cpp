#include "members/QMSquareListProvider.h"

#include "members/QMMemberPosition.h"

QMSquareListProvider::QMSquareListProvider()
    : QMFeedProvider(28, QMCommentListShape::Square, &QMSquareListProvider::squareListDelegate,
                     &QMSquareListProviderDelegate::squareListProviderDidReceiveSquareList,
                     &QMSquareListProviderDelegate::squareListProviderDidRunIntoError)
{}

void QMSquareListProvider::addArea(QMServiceAddress &address) const
{
    address.add(QLatin1StringView("type"), areaName(type));
    QMMemberPosition::addTo(address);
}
