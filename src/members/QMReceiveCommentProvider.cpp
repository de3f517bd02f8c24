#include "members/QMReceiveCommentProvider.h"

QMReceiveCommentProvider::QMReceiveCommentProvider()
    : QMFeedProvider(31, QMCommentListShape::Replies,
                     &QMReceiveCommentProvider::receiveCommentDelegate,
                     &QMReceiveCommentProviderDelegate::receiveCommentProviderDidReceiveCommentList,
                     &QMReceiveCommentProviderDelegate::receiveCommentProviderDidRunIntoError)
{}
