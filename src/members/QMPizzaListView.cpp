#include "members/QMPizzaListView.h"

#include "app/QMDataContext.h"
#include "comments/Comment.h"
#include "comments/CommentList.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMLoginProvider.h"
#include "members/QMMySayInfoView.h"
#include "members/QMPizzaListCell.h"
#include "members/QMSquareListProvider.h"
#include "members/QMUserView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QPainter>

namespace {
constexpr int kBusySize = 30;
constexpr int kSwitchWidth = 80;
} // namespace

QMPizzaListView::QMPizzaListView(const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_areaSwitcher(new QMAreaSwitcher(QMAreaSwitcher::areaTitles(), QRect(), this))
    , m_mapButton(new QMBarButton(QStringLiteral("地图模式"), this))
    , m_tableView(new QMTableView(this))
{
    m_mapButton->setFont(QMKitStyle::boldSystemFont(13));
    connect(m_mapButton, &QAbstractButton::clicked, this, &QMPizzaListView::selectMap);
    connect(m_areaSwitcher, &QMAreaSwitcher::pageSettled, this, &QMPizzaListView::areaSettled);

    m_tableView->setSeparatorStyle(QMTableView::SeparatorStyle::None);
    m_tableView->setBackgroundColor(QMKitStyle::lightGrayColor());
    m_tableView->setRowHeight(kRowHeight);
    m_tableView->setDataSource(this);
    setGeometry(frame);
}

QMPizzaListView::~QMPizzaListView()
{
    m_tableView->setDataSource(nullptr);
}

QMPageCounter &QMPizzaListView::pizzCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMPizzaListView::selectList()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, kBusySize);
    const QMDataContext *context = QMDataContext::CurrentDataContext();
    const QMLoginProvider *login = context->loginProvider();
    QMSquareListProvider *provider = context->squareListProvider();
    provider->memberid = login->loginMemeber ? login->loginMemeber->memberid : QString();
    provider->type = m_squareType;
    provider->from = 0;
    provider->maxnum = pizzCount().maxReturn();
    provider->squareListDelegate = this;
    provider->requestSquareList();
}

void QMPizzaListView::selectMap()
{
    emit mapModeChosen();
}

void QMPizzaListView::selectLeft()
{
    m_areaSwitcher->selectLeft();
}

void QMPizzaListView::selectRight()
{
    m_areaSwitcher->selectRight();
}

void QMPizzaListView::selectCommentInfo(int row)
{
    if (const Comment *post = postAt(row))
        QMMySayInfoView::showPost(this, post->commentid);
}

void QMPizzaListView::selectUserInfo(int row)
{
    if (const Comment *post = postAt(row))
        QMUserView::showMember(this, MemberInfo(*post));
}

int QMPizzaListView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_pizzaListArray.size());
}

int QMPizzaListView::tableViewHeightForRow(QMTableView *, int)
{
    return kRowHeight;
}

std::unique_ptr<QWidget> QMPizzaListView::tableViewCellForRow(QMTableView *tableView, int row)
{
    const Comment *post = postAt(row);
    if (!post)
        return nullptr;
    std::unique_ptr<QMPizzaListCell> cell;
    std::unique_ptr<QMTableViewCell> reused =
        tableView->dequeueReusableCell(QMCommentRow::kReuseIdentifier);
    if (auto *own = qobject_cast<QMPizzaListCell *>(reused.get())) {
        reused.release();
        cell.reset(own);
    } else {
        cell = std::make_unique<QMPizzaListCell>();
        connect(cell.get(), &QMCommentRow::headTapped, this, &QMPizzaListView::selectUserInfo);
        connect(cell.get(), &QMCommentRow::textTapped, this, &QMPizzaListView::selectCommentInfo);
    }
    cell->setPost(*post, row);
    return cell;
}

void QMPizzaListView::tableViewDidSelectRow(QMTableView *tableView, int row)
{
    tableView->deselectRow(row, true);
    selectUserInfo(row);
}

void QMPizzaListView::scrollViewDidEndDecelerating(QMScrollView *)
{
    // A list shorter than asked for has nothing more to give.
    if (QMPageCounter::isScrolledToEnd(*m_tableView) &&
        pizzCount().isFull(m_pizzaListArray.size()) && pizzCount().nextPage())
        selectList();
}

void QMPizzaListView::squareListProviderDidReceiveSquareList(
    QMSquareListProvider *, const std::shared_ptr<CommentList> &list)
{
    m_pizzaListArray.clear();
    for (const std::shared_ptr<Comment> &post : list->commentArray) {
        if (post)
            m_pizzaListArray.append(post);
    }
    m_tableView->reloadData();
    QMViewBusyBee::removeBusyBee(this);
}

void QMPizzaListView::squareListProviderDidRunIntoError(QMSquareListProvider *,
                                                        const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

void QMPizzaListView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QMKitStyle::lightGrayColor());
    painter.drawImage(QRect(0, 0, width(), kHeaderHeight),
                      QMResourceImages::named(QStringLiteral("btn_pizza.png")));
}

void QMPizzaListView::resizeEvent(QResizeEvent *)
{
    m_areaSwitcher->setGeometry(0, 0, width() - kSwitchWidth - 4, kHeaderHeight);
    m_mapButton->setGeometry(width() - kSwitchWidth - 4, 4, kSwitchWidth, kHeaderHeight - 8);
    m_tableView->setGeometry(0, kHeaderHeight, width(), qMax(0, height() - kHeaderHeight));
}

void QMPizzaListView::areaSettled(int page)
{
    m_squareType = unsigned(page);
    // Another area starts again from its first page.
    pizzCount().setCount(QMPageCounter::kPageSize);
    selectList();
}

const Comment *QMPizzaListView::postAt(int row) const
{
    return row >= 0 && row < m_pizzaListArray.size() ? m_pizzaListArray[row].get() : nullptr;
}
