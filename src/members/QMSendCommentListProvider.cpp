#include "members/QMSendCommentListProvider.h"

QMSendCommentListProvider::QMSendCommentListProvider()
    : QMFeedProvider(
          32, QMCommentListShape::Replies, &QMSendCommentListProvider::sendCommentListDelegate,
          &QMSendCommentListProviderDelegate::sendCommentListProviderDidReceiveCommentList,
          &QMSendCommentListProviderDelegate::sendCommentListProviderDidRunIntoError)
{}
