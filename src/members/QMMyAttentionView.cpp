#include "members/QMMyAttentionView.h"

#include "app/QMDataContext.h"
#include "kit/QMIndexButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "members/CollectList.h"
#include "members/QMCollectListProvider.h"
#include "members/QMUserView.h"
#include "services/QMCachedImageView.h"
#include "services/QMDateFormater.h"
#include "services/QMViewBusyBee.h"

namespace {
const char *const kNameButton = "name";
}

QMMyAttentionView::QMMyAttentionView(const MemberInfo &member, QWidget *parent)
    : QMMemberPanel(parent)
    , selectMemberInfo(std::make_shared<MemberInfo>(member))
    , m_tableView(new QMTableView(this))
{
    setTitle(QStringLiteral("关注"));
    m_tableView->setGeometry(contentRect());
    m_tableView->setRowHeight(kRowHeight);
    m_tableView->setAllowsSelection(false);
    m_tableView->setDataSource(this);
    m_tableView->show();
}

QMMyAttentionView::~QMMyAttentionView() = default;

QMPageCounter &QMMyAttentionView::kmyAttentionCount()
{
    static QMPageCounter counter;
    return counter;
}

void QMMyAttentionView::myAttentionList()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMCollectListProvider *provider = QMDataContext::CurrentDataContext()->collectListProvider();
    provider->memberid = selectMemberInfo->memberid;
    provider->type = 0;
    provider->from = 0;
    provider->maxnum = kmyAttentionCount().maxReturn();
    provider->collectListDelegate = this;
    provider->requestCollectList();
}

void QMMyAttentionView::collectListProviderDidReceiveCollectList(
    QMCollectListProvider *, const std::shared_ptr<CollectList> &list)
{
    m_myAttentionArray.clear();
    // No more than were asked for, whatever the answer holds.
    for (const std::shared_ptr<Collect> &follow : list->collectArray) {
        if (m_myAttentionArray.size() >= kmyAttentionCount().maxReturn())
            break;
        if (follow)
            m_myAttentionArray.append(follow);
    }
    m_tableView->reloadData();
    QMViewBusyBee::removeBusyBee(this);
}

void QMMyAttentionView::collectListProviderDidRunIntoError(QMCollectListProvider *,
                                                           const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(this);
}

int QMMyAttentionView::tableViewNumberOfRows(QMTableView *)
{
    return int(m_myAttentionArray.size());
}

std::unique_ptr<QWidget> QMMyAttentionView::tableViewCellForRow(QMTableView *, int row)
{
    if (row < 0 || row >= m_myAttentionArray.size())
        return nullptr;
    const Collect &follow = *m_myAttentionArray[row];
    auto cell = std::make_unique<QMTableViewCell>();
    cell->setSelectionStyle(QMTableViewCell::SelectionStyle::None);

    auto *logo = new QMCachedImageView(cell.get());
    logo->setGeometry(10, 10, 40, 40);
    logo->setImageUrl(follow.logo);
    logo->setAccessibleName(follow.name);

    auto *name = new QMIndexButton(QImage(), cell.get());
    name->setObjectName(QLatin1String(kNameButton));
    name->setShape(QMBarButton::Shape::Plain);
    name->setFont(QMKitStyle::boldSystemFont(15));
    name->setText(QFontMetrics(name->font()).elidedText(follow.name, Qt::ElideRight, 150));
    name->setGeometry(56, 4, QFontMetrics(name->font()).horizontalAdvance(name->text()) + 8, 26);
    name->index = row;
    connect(name, &QAbstractButton::clicked, this, [this, name] { selectUserInfo(name->index); });

    QMLabel *age =
        QMKitStyle::addLabel(cell.get(), QRect(214, 8, 96, 20), QMKitStyle::systemFont(12),
                             Qt::darkGray, QMDateFormater(follow.time).dateInterval());
    age->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QMKitStyle::addLabel(cell.get(), QRect(60, 32, 250, 20), QMKitStyle::systemFont(13),
                         Qt::darkGray, follow.body);
    return cell;
}

void QMMyAttentionView::scrollViewDidEndDecelerating(QMScrollView *)
{
    if (QMPageCounter::isScrolledToEnd(*m_tableView) && kmyAttentionCount().nextPage())
        myAttentionList();
}

QAbstractButton *QMMyAttentionView::nameButtonForRow(int row) const
{
    QWidget *cell = m_tableView->cellForRow(row);
    return cell ? cell->findChild<QAbstractButton *>(QLatin1String(kNameButton)) : nullptr;
}

void QMMyAttentionView::selectUserInfo(int row)
{
    if (row < 0 || row >= m_myAttentionArray.size())
        return;
    const Collect &follow = *m_myAttentionArray[row];
    // Only members have pages.
    if (follow.tag != QLatin1StringView("member"))
        return;
    QMUserView::showMember(this, MemberInfo(follow));
}
