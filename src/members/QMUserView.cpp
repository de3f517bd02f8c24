#include "members/QMUserView.h"

#include "app/QMDataContext.h"
#include "comments/InsertData.h"
#include "comments/QMPostingForm.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMTableView.h"
#include "kit/QMTableViewCell.h"
#include "members/QMCollectAddProvider.h"
#include "members/QMCollectDelProvider.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberInfoProvider.h"
#include "members/QMMyAttentionView.h"
#include "members/QMMyPublishView.h"
#include "members/QMTickButton.h"
#include "members/QMUserSayView.h"
#include "net/QMDataProvider.h"
#include "services/QMCachedImageView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

namespace {
// The signed-in member, if any.
std::shared_ptr<MemberCache> signedInMember()
{
    if (!QMDataProvider::DataProvider()->isLogged())
        return nullptr;
    return QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
}
} // namespace

QMUserView::QMUserView(const MemberInfo &member, QWidget *parent)
    : QMMemberPanel(parent)
    , selectMemberInfo(std::make_shared<MemberInfo>(member))
    , m_logoView(new QMCachedImageView(this))
    , m_nicknameLabel(QMKitStyle::addLabel(this, QRect(92, 56, 218, 24),
                                           QMKitStyle::boldSystemFont(17), Qt::black))
    , m_positionLabel(QMKitStyle::addLabel(this, QRect(92, 84, 218, 20), QMKitStyle::systemFont(14),
                                           Qt::darkGray))
    , m_sexLabel(QMKitStyle::addLabel(this, QRect(92, 106, 218, 20), QMKitStyle::systemFont(14),
                                      Qt::darkGray))
    , m_userInfoTableView(new QMTableView(this))
    , m_isLoginView(new QWidget(this))
    , m_attentionButton(new QMTickButton(QStringLiteral("关注"), m_isLoginView))
    , m_noAttentionButton(new QMTickButton(QStringLiteral("取消关注"), m_isLoginView))
    , m_sayInfoButton(new QMBarButton(
          QString(), QMResourceImages::named(QStringLiteral("btn_sayInfo.png")), m_isLoginView))
{
    m_logoView->setGeometry(10, 54, 72, 72);
    m_logoView->setBorderColor(QColor(200, 200, 200));

    m_userInfoTableView->setGeometry(kUserInfoTableFrame);
    m_userInfoTableView->setScrollEnabled(false);
    m_userInfoTableView->setSeparatorColor(QColor(214, 214, 214));
    m_userInfoTableView->setDataSource(this);
    m_userInfoTableView->reloadData();
    m_userInfoTableView->show();

    m_isLoginView->setGeometry(10, 246, 303, 36);
    m_attentionButton->move(0, 3);
    m_noAttentionButton->move(84, 3);
    m_sayInfoButton->setGeometry(213, 3, 90, 30);
    connect(m_attentionButton, &QAbstractButton::clicked, this, &QMUserView::addLive);
    connect(m_noAttentionButton, &QAbstractButton::clicked, this, &QMUserView::delMember);
    connect(m_sayInfoButton, &QAbstractButton::clicked, this, &QMUserView::selectUserSay);

    // Following oneself, or following while signed out, is nothing a member can do.
    const std::shared_ptr<MemberCache> me = signedInMember();
    m_isLoginView->setVisible(me && me->memberid != member.memberid);
    showMemberInfo();
}

QMUserView::~QMUserView() = default;

QMUserView *QMUserView::showMember(QWidget *from, const MemberInfo &member)
{
    auto *page = new QMUserView(member);
    pushView(from, page);
    page->selectUserList();
    return page;
}

void QMUserView::selectUserList()
{
    QMViewBusyBee::removeBusyBee(this);
    QMViewBusyBee::showBusyBeeAtCenter(this, 30);
    QMMemberInfoProvider *provider = QMDataContext::CurrentDataContext()->memberInfoProvider();
    provider->memberid = selectMemberInfo->memberid;
    provider->memberInfoProvieDelegate = this;
    m_waitingForProfile = true;
    provider->requestMemberInfo();
}

void QMUserView::memberInfoProviderDidReceiveMemberInfo(QMMemberInfoProvider *,
                                                        const std::shared_ptr<MemberInfo> &info)
{
    // The provider serves one page at a time: a late profile of another member goes to the page
    // below that still waits for it.
    if (!info->memberid.isEmpty() && info->memberid != selectMemberInfo->memberid) {
        if (QMUserView *owner = waitingPageOf(info->memberid))
            owner->memberInfoProviderDidReceiveMemberInfo(nullptr, info);
        return;
    }
    m_waitingForProfile = false;
    const QString memberid = selectMemberInfo->memberid;
    selectMemberInfo = info;
    selectMemberInfo->memberid = memberid;
    showMemberInfo();
    QMViewBusyBee::removeBusyBee(this);
}

void QMUserView::memberInfoProviderDidRunIntoError(QMMemberInfoProvider *,
                                                   const std::optional<QMError> &)
{
    m_waitingForProfile = false;
    QMViewBusyBee::removeBusyBee(this);
}

QMUserView *QMUserView::waitingPageOf(const QString &memberid) const
{
    if (!parentWidget())
        return nullptr;
    const auto pages = parentWidget()->findChildren<QMUserView *>(Qt::FindDirectChildrenOnly);
    for (QMUserView *page : pages) {
        if (page != this && page->m_waitingForProfile &&
            page->selectMemberInfo->memberid == memberid)
            return page;
    }
    return nullptr;
}

void QMUserView::showMemberInfo()
{
    const MemberInfo &member = *selectMemberInfo;
    setTitle(member.nickname);
    m_logoView->setImageUrl(member.logo);
    m_logoView->setAccessibleName(member.nickname);
    m_nicknameLabel->setText(member.nickname);
    m_positionLabel->setText(QStringLiteral("职位:%1").arg(member.position));
    m_sexLabel->setText(QStringLiteral("性别：%1").arg(member.sex));
}

int QMUserView::tableViewNumberOfRows(QMTableView *)
{
    return 2;
}

std::unique_ptr<QWidget> QMUserView::tableViewCellForRow(QMTableView *, int row)
{
    auto cell = std::make_unique<QMTableViewCell>();
    cell->textLabel()->setFont(QMKitStyle::boldSystemFont(16));
    cell->textLabel()->setText(row == 0 ? QStringLiteral("Ta发表的") : QStringLiteral("Ta关注的"));
    cell->setAccessoryType(QMTableViewCell::Accessory::DisclosureIndicator);
    return cell;
}

void QMUserView::tableViewDidSelectRow(QMTableView *tableView, int row)
{
    tableView->deselectRow(row, true);
    if (row == 0)
        selectPublish();
    else if (row == 1)
        selectAttentions();
}

void QMUserView::selectPublish()
{
    auto *page = new QMMyPublishView(*selectMemberInfo);
    page->setTitle(QStringLiteral("%1发表的").arg(selectMemberInfo->nickname));
    pushView(this, page);
    page->myPublishList();
}

void QMUserView::selectAttentions()
{
    auto *page = new QMMyAttentionView(*selectMemberInfo);
    page->setTitle(QStringLiteral("%1关注的").arg(selectMemberInfo->nickname));
    pushView(this, page);
    page->myAttentionList();
}

void QMUserView::selectUserSay()
{
    if (selectMemberInfo)
        pushView(this, new QMUserSayView(selectMemberInfo));
}

void QMUserView::addLive()
{
    const std::shared_ptr<MemberCache> me = signedInMember();
    if (!me)
        return;
    // The ticks show the member's wish at once, whatever the service answers.
    m_attentionButton->setTicked(true);
    m_noAttentionButton->setTicked(false);
    QMCollectAddProvider *provider = QMDataContext::CurrentDataContext()->collectAddProvider();
    provider->memberEncode = me->memberEncode;
    provider->relatedid = selectMemberInfo->memberid;
    provider->type = 0;
    provider->collectAddDelegate = this;
    provider->requestCollectAdd();
}

void QMUserView::delMember()
{
    const std::shared_ptr<MemberCache> me = signedInMember();
    if (!me)
        return;
    m_attentionButton->setTicked(false);
    m_noAttentionButton->setTicked(true);
    QMCollectDelProvider *provider = QMDataContext::CurrentDataContext()->collectDelProvider();
    provider->memberEncode = me->memberEncode;
    provider->relatedid = selectMemberInfo->memberid;
    provider->type = 0;
    provider->collectDelDelegate = this;
    provider->requestCollectDel();
}

void QMUserView::collectAddProviderDidReceiveInsertData(QMCollectAddProvider *,
                                                        const std::shared_ptr<InsertData> &data)
{
    showFollowAnswer(data, QStringLiteral("关注成功！"));
}

void QMUserView::collectAddProviderDidRunIntoError(QMCollectAddProvider *,
                                                   const std::optional<QMError> &error)
{
    showFollowError(error);
}

void QMUserView::collectDelProviderDidReceiveInsertData(QMCollectDelProvider *,
                                                        const std::shared_ptr<InsertData> &data)
{
    showFollowAnswer(data, QStringLiteral("已取消对此用户的关注！"));
}

void QMUserView::collectDelProviderDidRunIntoError(QMCollectDelProvider *,
                                                   const std::optional<QMError> &error)
{
    showFollowError(error);
}

void QMUserView::showFollowAnswer(const std::shared_ptr<InsertData> &data, const QString &message)
{
    if (data && data->isDone())
        QMAlertView::show(QStringLiteral("成功"), message, QStringLiteral("ok"));
}

void QMUserView::showFollowError(const std::optional<QMError> &error)
{
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error),
                      QStringLiteral("ok"));
}
