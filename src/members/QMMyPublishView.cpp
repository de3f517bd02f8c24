#include "members/QMMyPublishView.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "members/QMMySayInfoView.h"
#include "members/QMUserCommentListProvider.h"
#include "members/QMUserView.h"
#include "services/QMCachedImageView.h"
#include "services/QMDateFormater.h"
#include "services/QMViewBusyBee.h"

namespace {
constexpr QRect kLogoFrame{10, 10, 40, 40};
constexpr int kTextLeft = 60;
constexpr int kTextTop = 10;
constexpr int kLeastHeight = 60; // the head picture and its margins

QFont rowFont()
{
    return QMKitStyle::systemFont(14);
}
} // namespace

QMMyPublishView::QMMyPublishView(const MemberInfo &member, QWidget *parent)
    : QMMemberPanel(parent)
    , selectMemberInfo(std::make_shared<MemberInfo>(member))
    , m_tableView(new QMTableView(this))
    , m_measure(QMKitStyle::addLabel(this, QRect(), rowFont(), Qt::black))
{
    setTitle(QStringLiteral("发表"));
    m_measure->setWordWrap(true);
    m_measure->hide();
    m_tableView->setGeometry(contentRect());
    m_tableView->setDataSource(this);
    m_tableView->show();
}

QMMyPublishView::~QMMyPublishView() = default;

QMPageCounter &QMMyPublishView::kmyPublishCount()
{
    static QMPageCounter counter;
    return counter;
}

QString QMMyPublishView::rowText(const Comment &post)
{
    return QStringLiteral("#%1#%2(%3)")
        .arg(post.objectname, post.body.trimmed(), QMDateFormater(post.addtime).dateInterval());
}

void QMMyPublishView::myPublishList()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMUserCommentListProvider *provider =
        QMDataContext::CurrentDataContext()->userCommentListProvider();
    provider->memberid = selectMemberInfo->memberid;
    provider->from = 0;
    provider->maxnum = kmyPublishCount().maxReturn();
    provider->userCommentListDelegate = this;
    provider->requestUserCommentList();
}

void QMMyPublishView::userCommentListProviderDidReceiveUserCommentList(
    QMUserCommentListProvider *, const std::shared_ptr<CommentList> &list)
{
    m_myPublishArray.clear();
    m_rowHeights.clear();
    // No more than were asked for, whatever the answer holds.
    for (const std::shared_ptr<Comment> &post : list->commentArray) {
        if (m_myPublishArray.size() >= kmyPublishCount().maxReturn())
            break;
        if (!post)
            continue;
        m_myPublishArray.append(post);
        m_measure->setText(rowText(*post));
        m_rowHeights.push_back(qMax(kLeastHeight, m_measure->heightForWidth(kTextWidth) + 20));
    }
    m_tableView->reloadData();
    QMViewBusyBee::removeBusyBee(this);
}

void QMMyPublishView::userCommentListProviderDidRunIntoError(QMUserCommentListProvider *,
                                                             const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

int QMMyPublishView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_myPublishArray.size());
}

int QMMyPublishView::tableViewHeightForRow(QMTableView *tableView, int row)
{
    if (row < 0 || row >= int(m_rowHeights.size()))
        return tableView->rowHeight();
    return m_rowHeights[row];
}

std::unique_ptr<QWidget> QMMyPublishView::tableViewCellForRow(QMTableView *, int row)
{
    if (row < 0 || row >= m_myPublishArray.size())
        return nullptr;
    const Comment &post = *m_myPublishArray[row];
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setAccessoryType(QMTableViewCell::Accessory::DisclosureIndicator);

    auto *logo = new QMCachedImageView(cell.get());
    logo->setGeometry(kLogoFrame);
    logo->setImageUrl(post.logo);
    logo->setAccessibleName(post.nickname);
    auto *head = new QMIndexButton(QImage(), cell.get());
    head->setShape(QMBarButton::Shape::Plain);
    head->setGeometry(kLogoFrame);
    head->index = row;
    head->setAccessibleName(post.nickname);
    connect(head, &QAbstractButton::clicked, this, [this, head] { selectUserInfo(head->index); });

    QMLabel *text = QMKitStyle::addLabel(
        cell.get(), QRect(kTextLeft, kTextTop, kTextWidth, m_rowHeights[row] - 20), rowFont(),
        Qt::black, rowText(post));
    text->setWordWrap(true);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return cell;
}

void QMMyPublishView::tableViewDidSelectRow(QMTableView *tableView, int row)
{
    tableView->deselectRow(row, true);
    selectCommentInfo(row);
}

void QMMyPublishView::scrollViewDidEndDecelerating(QMScrollView *)
{
    if (QMPageCounter::isScrolledToEnd(*m_tableView) && kmyPublishCount().nextPage())
        myPublishList();
}

void QMMyPublishView::selectCommentInfo(int row)
{
    if (row < 0 || row >= m_myPublishArray.size())
        return;
    QMMySayInfoView::showPost(this, m_myPublishArray[row]->commentid);
}

void QMMyPublishView::selectUserInfo(int row)
{
    if (row < 0 || row >= m_myPublishArray.size())
        return;
    QMUserView::showMember(this, MemberInfo(*m_myPublishArray[row]));
}
