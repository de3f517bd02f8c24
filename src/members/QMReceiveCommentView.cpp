#include "members/QMReceiveCommentView.h"

#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "kit/QMPageCounter.h"
#include "members/QMReceiveCommentProvider.h"

QMReceiveCommentView::QMReceiveCommentView(QWidget *parent)
    : QMCommentFeedView(KreceiveCount(), parent)
{}

QMReceiveCommentView::~QMReceiveCommentView() = default;

QMPageCounter &QMReceiveCommentView::KreceiveCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMReceiveCommentView::requestFeed(const QString &memberid, int maxnum)
{
    QMReceiveCommentProvider *provider =
        QMDataContext::CurrentDataContext()->receiveCommentProvider();
    provider->memberid = memberid;
    provider->from = 0;
    provider->maxnum = maxnum;
    provider->receiveCommentDelegate = this;
    provider->requestReceiveComment();
}

QString QMReceiveCommentView::answeredText(const Comment &reply) const
{
    return QStringLiteral("搭话我的叽喳: %1").arg(reply.commentbody);
}

void QMReceiveCommentView::receiveCommentProviderDidReceiveCommentList(
    QMReceiveCommentProvider *, const std::shared_ptr<CommentList> &list)
{
    showComments(list);
}

void QMReceiveCommentView::receiveCommentProviderDidRunIntoError(QMReceiveCommentProvider *,
                                                                 const std::optional<QMError> &)
{
    showFailure();
}
