#include "members/QMUserCommentListProvider.h"

QMUserCommentListProvider::QMUserCommentListProvider()
    : QMFeedProvider(
          18, QMCommentListShape::Comments, &QMUserCommentListProvider::userCommentListDelegate,
          &QMUserCommentListProviderDelegate::userCommentListProviderDidReceiveUserCommentList,
          &QMUserCommentListProviderDelegate::userCommentListProviderDidRunIntoError)
{}
