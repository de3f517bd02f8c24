#include "members/QMSendCommentView.h"

#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "kit/QMPageCounter.h"
#include "members/QMSendCommentListProvider.h"

QMSendCommentView::QMSendCommentView(QWidget *parent)
    : QMCommentFeedView(KsendCount(), parent)
{}

QMSendCommentView::~QMSendCommentView() = default;

QMPageCounter &QMSendCommentView::KsendCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMSendCommentView::requestFeed(const QString &memberid, int maxnum)
{
    QMSendCommentListProvider *provider =
        QMDataContext::CurrentDataContext()->sendCommentListProvider();
    provider->memberid = memberid;
    provider->from = 0;
    provider->maxnum = maxnum;
    provider->sendCommentListDelegate = this;
    provider->requestSendCommentList();
}

QString QMSendCommentView::answeredText(const Comment &reply) const
{
    return QStringLiteral("搭话 %1 的叽喳: %2").arg(reply.commentnickname, reply.commentbody);
}

void QMSendCommentView::sendCommentListProviderDidReceiveCommentList(
    QMSendCommentListProvider *, const std::shared_ptr<CommentList> &list)
{
    showComments(list);
}

void QMSendCommentView::sendCommentListProviderDidRunIntoError(QMSendCommentListProvider *,
                                                               const std::optional<QMError> &)
{
    showFailure();
}
