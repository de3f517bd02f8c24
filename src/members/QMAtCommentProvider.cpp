#include "members/QMAtCommentProvider.h"

QMAtCommentProvider::QMAtCommentProvider()
    : QMFeedProvider(33, QMCommentListShape::Comments, &QMAtCommentProvider::atCommentDelegate,
                     &QMAtCommentProviderDelegate::atCommentProviderDidReceiveAtCommentList,
                     &QMAtCommentProviderDelegate::atCommentProviderDidRunIntoError)
{}
