#include "members/QMAttentionListView.h"

#include "app/QMDataContext.h"
#include "comments/CommentList.h"
#include "comments/QMCommentRow.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "members/MemberInfo.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberPanel.h"
#include "members/QMMyInterestCommentProvider.h"
#include "members/QMMySayInfoView.h"
#include "members/QMUserView.h"
#include "members/QMWhatIDoingView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

QMAttentionListView::QMAttentionListView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_areaSwitcher(
          new QMAreaSwitcher(QMAreaSwitcher::areaTitles(), QRect(2, 0, 196, kHeaderHeight), this))
    , m_whatIDoingButton(new QMBarButton(QStringLiteral("你在干嘛"), this))
    , m_tableView(new QMTableView(this))
{
    setGeometry(frame);
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());

    auto *header = new QLabel(this);
    header->setGeometry(0, 0, width(), kHeaderHeight);
    header->setScaledContents(true);
    header->setPixmap(QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_pizza.png"))));
    header->lower();

    connect(m_areaSwitcher, &QMAreaSwitcher::pageSettled, this, &QMAttentionListView::areaSettled);
    m_whatIDoingButton->setFont(QMKitStyle::boldSystemFont(14));
    m_whatIDoingButton->setGeometry(width() - 90, 4, 82, 28);
    connect(m_whatIDoingButton, &QAbstractButton::clicked, this, &QMAttentionListView::whatIDoing);

    m_tableView->setGeometry(0, kHeaderHeight, width(), height() - kHeaderHeight);
    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setBackgroundColor(QMKitStyle::lightGrayColor());
    m_tableView->setAllowsSelection(false);
    m_tableView->setDataSource(this);
}

QMAttentionListView::~QMAttentionListView() = default;

QMPageCounter &QMAttentionListView::kattentionCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMAttentionListView::attentionList()
{
    std::shared_ptr<MemberCache> member = selectMember;
    if (!member)
        member = QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    if (!member)
        return;
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMMyInterestCommentProvider *provider =
        QMDataContext::CurrentDataContext()->myInterestCommentProvider();
    provider->memberid = member->memberid;
    provider->type = squareType;
    provider->from = 0;
    provider->maxnum = kattentionCount().maxReturn();
    provider->myInterestCommentDelegate = this;
    provider->requestMyInterestComment();
}

void QMAttentionListView::myInterestCommentProviderDidReceiveMyInterestComment(
    QMMyInterestCommentProvider *, const std::shared_ptr<CommentList> &list)
{
    m_attentionArray.clear();
    // No more than were asked for, whatever the answer holds.
    for (const std::shared_ptr<Comment> &post : list->commentArray) {
        if (m_attentionArray.size() >= kattentionCount().maxReturn())
            break;
        if (post)
            m_attentionArray.append(post);
    }
    m_tableView->reloadData();
    QMViewBusyBee::removeBusyBee(this);
}

void QMAttentionListView::myInterestCommentProviderDidRunIntoError(QMMyInterestCommentProvider *,
                                                                   const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

int QMAttentionListView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_attentionArray.size());
}

int QMAttentionListView::tableViewHeightForRow(QMTableView *, int)
{
    return QMCommentRow::kRowHeight;
}

std::unique_ptr<QWidget> QMAttentionListView::tableViewCellForRow(QMTableView *tableView, int row)
{
    if (row < 0 || row >= m_attentionArray.size())
        return nullptr;
    std::unique_ptr<QMCommentRow> cell(static_cast<QMCommentRow *>(
        tableView->dequeueReusableCell(QMCommentRow::kReuseIdentifier).release()));
    if (!cell) {
        cell = std::make_unique<QMCommentRow>();
        connect(cell.get(), &QMCommentRow::headTapped, this, &QMAttentionListView::selectUserInfo);
        connect(cell.get(), &QMCommentRow::textTapped, this,
                &QMAttentionListView::selectCommentInfo);
    }
    cell->setComment(*m_attentionArray[row], row);
    return cell;
}

QMCommentRow *QMAttentionListView::rowForPost(int row) const
{
    return qobject_cast<QMCommentRow *>(m_tableView->cellForRow(row));
}

void QMAttentionListView::scrollViewDidEndDecelerating(QMScrollView *)
{
    if (QMPageCounter::isScrolledToEnd(*m_tableView) && kattentionCount().nextPage())
        attentionList();
}

void QMAttentionListView::whatIDoing()
{
    QMMemberPanel::presentView(this, new QMWhatIDoingView());
}

void QMAttentionListView::selectLeft()
{
    m_areaSwitcher->selectLeft();
}

void QMAttentionListView::selectRight()
{
    m_areaSwitcher->selectRight();
}

void QMAttentionListView::areaSettled(int page)
{
    squareType = unsigned(page);
    kattentionCount().setCount(QMPageCounter::kPageSize);
    attentionList();
}

void QMAttentionListView::selectCommentInfo(int row)
{
    if (row < 0 || row >= m_attentionArray.size())
        return;
    QMMySayInfoView::showPost(this, m_attentionArray[row]->commentid);
}

void QMAttentionListView::selectUserInfo(int row)
{
    if (row < 0 || row >= m_attentionArray.size())
        return;
    QMUserView::showMember(this, MemberInfo(*m_attentionArray[row]));
}
