#include "members/QMMyInterestCommentProvider.h"

QMMyInterestCommentProvider::QMMyInterestCommentProvider()
    : QMFeedProvider(19, QMCommentListShape::Comments,
                     &QMMyInterestCommentProvider::myInterestCommentDelegate,
                     &QMMyInterestCommentProviderDelegate::
                         myInterestCommentProviderDidReceiveMyInterestComment,
                     &QMMyInterestCommentProviderDelegate::myInterestCommentProviderDidRunIntoError)
{}

void QMMyInterestCommentProvider::addArea(QMServiceAddress &address) const
{
    address.add(QLatin1StringView("type"), areaName(type));
}
