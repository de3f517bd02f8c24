#include "comments/QMCommentInfoViewController.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMAccostTransViewController.h"
#include "comments/QMReCommentListProvider.h"
#include "kit/QMNavigationController.h"
#include "members/MemberInfo.h"
#include "members/QMUserView.h"
#include "kit/QMNavigationItem.h"
#include "services/QMViewBusyBee.h"

#include <QWidget>

QMCommentInfoViewController::QMCommentInfoViewController() = default;

QMCommentInfoViewController::~QMCommentInfoViewController() = default;

void QMCommentInfoViewController::viewDidLoad()
{
    navigationItem()->setTitle(
        QStringLiteral("%1说:").arg(selectComment ? selectComment->nickname : QString()));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("返回"));

    m_tableView = new QMCommentThreadView(view());
    m_tableView->setGeometry(view()->rect());
    connect(m_tableView, &QMCommentThreadView::headTapped, this,
            &QMCommentInfoViewController::selectUserInfo);
    connect(m_tableView, &QMCommentThreadView::accostTapped, this,
            &QMCommentInfoViewController::selectAccosts);
    connect(m_tableView, &QMCommentThreadView::transshipmentTapped, this,
            &QMCommentInfoViewController::selectTransshipments);
    m_tableView->show();
    m_tableView->setThread(selectComment);
    commentInfoList();
}

void QMCommentInfoViewController::viewDidLayoutSubviews()
{
    if (m_tableView)
        m_tableView->setGeometry(view()->rect());
}

void QMCommentInfoViewController::commentInfoList()
{
    if (!selectComment)
        return;
    QMViewBusyBee::removeBusyBee(view());
    QMViewBusyBee::showBusyBeeAtCenter(view(), 40);
    QMReCommentListProvider *provider =
        QMDataContext::CurrentDataContext()->reCommentListProvider();
    provider->commentid = selectComment->commentid;
    provider->from = 0;
    provider->maxnum = kReplyCount;
    provider->reCommentListDelegate = this;
    provider->requestReCommentList();
}

void QMCommentInfoViewController::reCommentListProviderDidReceiveCommentList(
    QMReCommentListProvider *, const std::shared_ptr<CommentList> &list)
{
    if (m_tableView)
        m_tableView->setThread(selectComment, list->commentArray);
    QMViewBusyBee::removeBusyBee(view());
}

void QMCommentInfoViewController::reCommentListProviderDidRunIntoError(
    QMReCommentListProvider *, const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

const QList<std::shared_ptr<Comment>> &QMCommentInfoViewController::commentArray() const
{
    static const QList<std::shared_ptr<Comment>> none;
    return m_tableView ? m_tableView->rows() : none;
}

void QMCommentInfoViewController::accostTransViewControllerWillDismiss(
    QMAccostTransViewController *)
{
    dismissModalViewController(true);
}

QMBarButton *QMCommentInfoViewController::accostButton() const
{
    return m_tableView ? m_tableView->accostButton() : nullptr;
}

QMBarButton *QMCommentInfoViewController::transshipmentButton() const
{
    return m_tableView ? m_tableView->transshipmentButton() : nullptr;
}

QMReplyLabel *QMCommentInfoViewController::bubbleForRow(int row) const
{
    return m_tableView ? m_tableView->bubbleForRow(row) : nullptr;
}

QMAccostTransViewController *QMCommentInfoViewController::accostViewController() const
{
    return m_accostViewController;
}

void QMCommentInfoViewController::selectAccosts()
{
    isLogin(QMAccostTransViewController::Reply,
            QStringLiteral("与%1搭话").arg(selectComment ? selectComment->nickname : QString()));
}

void QMCommentInfoViewController::selectTransshipments()
{
    isLogin(QMAccostTransViewController::Repost, QStringLiteral("转载理由"));
}

void QMCommentInfoViewController::isLogin(int type, const QString &title)
{
    if (!selectComment)
        return;
    m_pendingAccost = std::make_unique<QMAccostTransViewController>();
    m_pendingAccost->type = type;
    m_pendingAccost->navTitle = title;
    m_gate.requireMember([this] { presentCommentView(); });
}

void QMCommentInfoViewController::presentCommentView()
{
    if (!m_pendingAccost)
        return;
    m_pendingAccost->selectComment = selectComment;
    m_pendingAccost->accostTransView = this;
    m_pendingAccost->accostTransDelegate = this;
    m_accostViewController = m_pendingAccost.get();
    presentModalViewController(std::make_unique<QMNavigationController>(std::move(m_pendingAccost)),
                               true);
}

void QMCommentInfoViewController::selectUserInfo(int row)
{
    // A button of a row that a reload has taken away stands for nothing.
    if (!m_tableView)
        return;
    if (const std::shared_ptr<Comment> comment = m_tableView->commentAtRow(row))
        QMUserView::showMember(view(), MemberInfo(*comment));
}
