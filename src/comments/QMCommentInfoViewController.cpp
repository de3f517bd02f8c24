#include "comments/QMCommentInfoViewController.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMAccostTransViewController.h"
#include "comments/QMReCommentListProvider.h"
#include "comments/QMReplyLabel.h"
#include "kit/QMBarButton.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "services/QMViewBusyBee.h"

#include <QWidget>

namespace {
constexpr int kBubbleTop = 8;
constexpr int kBubbleWidth = 312;
constexpr int kRowGap = 8;
constexpr int kButtonsHeight = 40;
const char *const kBubbleName = "bubble";
const char *const kAccostName = "accost";
const char *const kTransshipmentName = "transshipment";

QMBarButton *addButton(QWidget *cell, const QString &title, const char *name, int x, int y)
{
    auto *button = new QMBarButton(title, cell);
    button->setObjectName(QLatin1String(name));
    button->setFont(QMKitStyle::boldSystemFont(14));
    button->setGeometry(x, y, 70, 28);
    return button;
}
} // namespace

QMCommentInfoViewController::QMCommentInfoViewController() = default;

QMCommentInfoViewController::~QMCommentInfoViewController() = default;

void QMCommentInfoViewController::viewDidLoad()
{
    navigationItem()->setTitle(
        QStringLiteral("%1说:").arg(selectComment ? selectComment->nickname : QString()));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("返回"));

    m_measure = new QMReplyLabel(view());
    m_measure->hide();
    m_tableView = new QMTableView(view());
    m_tableView->setGeometry(view()->rect());
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setBackgroundColor(QMKitStyle::lightGrayColor());
    m_tableView->setAllowsSelection(false);
    m_tableView->setDataSource(this);
    m_tableView->show();
    if (selectComment)
        setRows({selectComment});
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
    QList<std::shared_ptr<Comment>> rows{selectComment};
    // No more than were asked for, whatever the answer holds.
    for (const std::shared_ptr<Comment> &reply : list->commentArray) {
        if (rows.size() > kReplyCount)
            break;
        if (reply)
            rows.append(reply);
    }
    setRows(std::move(rows));
    QMViewBusyBee::removeBusyBee(view());
}

void QMCommentInfoViewController::reCommentListProviderDidRunIntoError(
    QMReCommentListProvider *, const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

void QMCommentInfoViewController::setRows(QList<std::shared_ptr<Comment>> rows)
{
    m_commentArray = std::move(rows);
    // Each row is its bubble, all of the text and any grey box, and under the comment itself
    // its two buttons. Measuring a bubble also starts its head picture on its way.
    m_rowHeights.clear();
    for (int row = 0; row < m_commentArray.size(); ++row) {
        m_measure->setComment(*m_commentArray[row]);
        int height = kBubbleTop + m_measure->heightForWidth(kBubbleWidth) + kRowGap;
        if (row == 0)
            height += kButtonsHeight;
        m_rowHeights.push_back(height);
    }
    if (m_tableView)
        m_tableView->reloadData();
}

int QMCommentInfoViewController::tableViewNumberOfRows(QMTableView *)
{
    return int(m_commentArray.size());
}

int QMCommentInfoViewController::tableViewHeightForRow(QMTableView *tableView, int row)
{
    if (row < 0 || row >= int(m_rowHeights.size()))
        return tableView->rowHeight();
    return m_rowHeights[row];
}

std::unique_ptr<QWidget> QMCommentInfoViewController::tableViewCellForRow(QMTableView *, int row)
{
    if (row < 0 || row >= m_commentArray.size())
        return nullptr;
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);
    cell->setBackgroundColor(QMKitStyle::lightGrayColor());

    const int bubbleHeight =
        m_rowHeights[row] - kBubbleTop - kRowGap - (row == 0 ? kButtonsHeight : 0);
    auto *bubble = new QMReplyLabel(cell.get());
    bubble->setObjectName(QLatin1String(kBubbleName));
    bubble->setGeometry(0, kBubbleTop, kBubbleWidth, bubbleHeight);
    bubble->setComment(*m_commentArray[row]);

    auto *head = new QMIndexButton(QImage(), cell.get());
    head->setShape(QMBarButton::Shape::Plain);
    head->setGeometry(QMReplyLabel::kLogoFrame.translated(0, kBubbleTop));
    head->index = row;
    connect(head, &QAbstractButton::clicked, this, [this, head] { selectUserInfo(head->index); });

    if (row == 0) {
        const int top = kBubbleTop + bubbleHeight + 6;
        QMBarButton *accost = addButton(cell.get(), QStringLiteral("搭话"), kAccostName, 156, top);
        connect(accost, &QAbstractButton::clicked, this,
                &QMCommentInfoViewController::selectAccosts);
        QMBarButton *transshipment =
            addButton(cell.get(), QStringLiteral("转载"), kTransshipmentName, 236, top);
        connect(transshipment, &QAbstractButton::clicked, this,
                &QMCommentInfoViewController::selectTransshipments);
    }
    return cell;
}

void QMCommentInfoViewController::accostTransViewControllerWillDismiss(
    QMAccostTransViewController *)
{
    dismissModalViewController(true);
}

QMBarButton *QMCommentInfoViewController::accostButton() const
{
    QWidget *cell = m_tableView ? m_tableView->cellForRow(0) : nullptr;
    return cell ? cell->findChild<QMBarButton *>(QLatin1String(kAccostName)) : nullptr;
}

QMBarButton *QMCommentInfoViewController::transshipmentButton() const
{
    QWidget *cell = m_tableView ? m_tableView->cellForRow(0) : nullptr;
    return cell ? cell->findChild<QMBarButton *>(QLatin1String(kTransshipmentName)) : nullptr;
}

QMReplyLabel *QMCommentInfoViewController::bubbleForRow(int row) const
{
    QWidget *cell = m_tableView ? m_tableView->cellForRow(row) : nullptr;
    return cell ? cell->findChild<QMReplyLabel *>(QLatin1String(kBubbleName)) : nullptr;
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
    if (row < 0 || row >= m_commentArray.size())
        return;
    // The member's page opens from here once members have pages.
}
