#include "members/QMMySayInfoView.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMCommentInfoProvider.h"
#include "comments/QMCommentThreadView.h"
#include "comments/QMReCommentListProvider.h"
#include "members/MemberInfo.h"
#include "members/QMAccostView.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUserView.h"
#include "net/QMDataProvider.h"
#include "services/QMViewBusyBee.h"

QMMySayInfoView::QMMySayInfoView(const QString &commentId, QWidget *parent)
    : QMMemberPanel(parent)
    , commentId(commentId)
    , m_tableView(new QMCommentThreadView(this))
{
    m_tableView->setGeometry(contentRect());
    // Writing needs a member; a page reached while signed out only reads.
    m_tableView->setShowsActions(QMDataProvider::DataProvider()->isLogged());
    connect(m_tableView, &QMCommentThreadView::headTapped, this, &QMMySayInfoView::selectUserInfo);
    connect(m_tableView, &QMCommentThreadView::accostTapped, this, &QMMySayInfoView::selectAccost);
    connect(m_tableView, &QMCommentThreadView::transshipmentTapped, this,
            &QMMySayInfoView::selectTransshipment);
    m_tableView->show();
}

QMMySayInfoView::~QMMySayInfoView() = default;

QMMySayInfoView *QMMySayInfoView::showPost(QWidget *from, const QString &commentId)
{
    auto *page = new QMMySayInfoView(commentId);
    pushView(from, page);
    page->mySayList();
    return page;
}

void QMMySayInfoView::mySayList()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMCommentInfoProvider *provider = QMDataContext::CurrentDataContext()->commentInfoProvider();
    provider->commentId = commentId;
    provider->commentInfoDelegate = this;
    provider->requestCommentInfo();
}

void QMMySayInfoView::commentInfoProviderDidReceivedComment(QMCommentInfoProvider *,
                                                            const std::shared_ptr<Comment> &comment)
{
    // The provider serves one page at a time: a late answer for another post is not ours.
    if (!comment->commentid.isEmpty() && comment->commentid != commentId)
        return;
    selectComment = comment;
    selectComment->commentid = commentId;
    setTitle(QStringLiteral("%1说：").arg(comment->nickname));
    m_tableView->setThread(selectComment);
    requestReplies();
}

void QMMySayInfoView::commentInfoProviderDidRunIntoError(QMCommentInfoProvider *,
                                                         const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

void QMMySayInfoView::requestReplies()
{
    QMReCommentListProvider *provider =
        QMDataContext::CurrentDataContext()->reCommentListProvider();
    provider->commentid = commentId;
    provider->from = 0;
    provider->maxnum = QMCommentThreadView::kReplyCount;
    provider->reCommentListDelegate = this;
    provider->requestReCommentList();
}

void QMMySayInfoView::reCommentListProviderDidReceiveCommentList(
    QMReCommentListProvider *, const std::shared_ptr<CommentList> &list)
{
    m_tableView->setThread(selectComment, list->commentArray);
    QMViewBusyBee::removeBusyBee(this);
}

void QMMySayInfoView::reCommentListProviderDidRunIntoError(QMReCommentListProvider *,
                                                           const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

void QMMySayInfoView::selectAccost()
{
    if (!selectComment)
        return;
    auto *reply = new QMAccostView(selectComment);
    reply->sayInfoView = this;
    pushView(this, reply);
}

void QMMySayInfoView::selectTransshipment()
{
    if (selectComment)
        pushView(this, new QMTransshipmentView(selectComment));
}

void QMMySayInfoView::selectUser()
{
    selectUserInfo(0);
}

void QMMySayInfoView::selectUserInfo(int row)
{
    // A button of a row that a reload has taken away stands for nothing.
    if (const std::shared_ptr<Comment> comment = m_tableView->commentAtRow(row))
        QMUserView::showMember(this, MemberInfo(*comment));
}
