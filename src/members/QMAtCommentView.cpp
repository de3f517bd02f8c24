#include "members/QMAtCommentView.h"

#include "app/QMDataContext.h"
#include "kit/QMPageCounter.h"
#include "members/QMAtCommentProvider.h"

QMAtCommentView::QMAtCommentView(QWidget *parent)
    : QMCommentFeedView(katCommentCount(), parent)
{}

QMAtCommentView::~QMAtCommentView() = default;

QMPageCounter &QMAtCommentView::katCommentCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMAtCommentView::requestFeed(const QString &memberid, int maxnum)
{
    QMAtCommentProvider *provider = QMDataContext::CurrentDataContext()->atCommentProvider();
    provider->memberid = memberid;
    provider->from = 0;
    provider->maxnum = maxnum;
    provider->atCommentDelegate = this;
    provider->requestAtComment();
}

void QMAtCommentView::atCommentProviderDidReceiveAtCommentList(
    QMAtCommentProvider *, const std::shared_ptr<CommentList> &list)
{
    showComments(list);
}

void QMAtCommentView::atCommentProviderDidRunIntoError(QMAtCommentProvider *,
                                                       const std::optional<QMError> &)
{
    showFailure();
}
