#include "members/QMMyQuelmaViewController.h"

#include "app/QMDataContext.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "members/AgendaList.h"
#include "members/MemberCache.h"
#include "members/MemberInfo.h"
#include "members/QMAttentionListView.h"
#include "members/QMLoginProvider.h"
#include "members/QMMemberInfoProvider.h"
#include "members/QMMyLiveListProvider.h"
#include "members/QMMyLiveView.h"
#include "members/QMPizzaMapView.h"
#include "members/QMResponsionListView.h"
#include "members/QMUserSetView.h"
#include "net/QMDataProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
constexpr int kBusySize = 30;
constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 30;

QString signedInMemberId()
{
    const auto &member = QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    return member ? member->memberid : QString();
}
} // namespace

QMMyQuelmaViewController::QMMyQuelmaViewController()
{
    setTitle(QStringLiteral("叽喳"));
}

QMMyQuelmaViewController::~QMMyQuelmaViewController() = default;

QMMyQuelmaViewController *QMMyQuelmaViewController::inTab(QMViewController *tab)
{
    auto *stack = qobject_cast<QMNavigationController *>(tab);
    return stack ? qobject_cast<QMMyQuelmaViewController *>(stack->viewControllers().value(0))
                 : nullptr;
}

void QMMyQuelmaViewController::viewDidLoad()
{
    QWidget *view = this->view();
    QMKitStyle::setBackgroundColor(view, QMKitStyle::lightGrayColor());
    navigationItem()->setHidesBackButton(true);
    navigationItem()->setBackBarButtonTitle(QStringLiteral("叽喳"));

    auto *bar = new QLabel(view);
    bar->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_myQuelm_bar.png"))));
    bar->setScaledContents(true);
    bar->setGeometry(0, 0, view->width(), kBarHeight);
    bar->hide();
    m_bar = bar;
    m_piazzaButton =
        addSectionButton(QStringLiteral("广场"), 0, &QMMyQuelmaViewController::selectMap);
    m_attentionButton =
        addSectionButton(QStringLiteral("与我相关"), 1, &QMMyQuelmaViewController::selectAttention);
    m_restoreButton = addSectionButton(QStringLiteral("叽来喳去"), 2,
                                       &QMMyQuelmaViewController::selectResponsion);
    m_setButton = addSectionButton(QStringLiteral("设置"), 3, &QMMyQuelmaViewController::selectSet);
    m_liveButton =
        addSectionButton(QStringLiteral("我的生活"), 4, &QMMyQuelmaViewController::selectLive);
    if (QMNavigationController *stack = navigationController())
        stack->setTintColor(QMKitStyle::tintColor());
    selectLogin();
}

void QMMyQuelmaViewController::viewWillAppear(bool)
{
    // Signed in, the orange bar of the sections takes the navigation bar's place.
    if (QMNavigationController *stack = navigationController())
        stack->setNavigationBarHidden(m_bar && !m_bar->isHidden(), false);
}

void QMMyQuelmaViewController::viewDidLayoutSubviews()
{
    layoutSections();
}

QMBarButton *QMMyQuelmaViewController::addSectionButton(const QString &title, int index,
                                                        void (QMMyQuelmaViewController::*select)())
{
    auto *button = new QMBarButton(title, m_bar);
    button->setShape(QMBarButton::Shape::Plain);
    button->setFont(QMKitStyle::boldSystemFont(13));
    button->setTitleColor(Qt::white);
    button->setGeometry(2 + index * 64, (kBarHeight - kButtonHeight) / 2, kButtonWidth,
                        kButtonHeight);
    connect(button, &QAbstractButton::clicked, this, select);
    return button;
}

void QMMyQuelmaViewController::selectLogin()
{
    if (QMDataProvider::DataProvider()->isLogged()) {
        presentCommentView();
        return;
    }
    m_bar->hide();
    if (QMNavigationController *stack = navigationController())
        stack->setNavigationBarHidden(false, false);
    // No way back: the member tab holds nothing for somebody who is not signed in.
    m_gate.requireMember([this] { presentCommentView(); },
                         {.hidesBackButton = true, .animated = false});
}

QMLoginViewController *QMMyQuelmaViewController::loginViewController() const
{
    return m_gate.isWaiting() ? m_gate.loginViewController() : nullptr;
}

void QMMyQuelmaViewController::presentCommentView()
{
    makeSections();
    selectMap();
}

void QMMyQuelmaViewController::makeSections()
{
    // Loading the view makes the bar and its buttons.
    QWidget *view = this->view();
    if (m_pizzaMapView)
        return;
    // Plans at the back, the square in front.
    m_myLiveView = new QMMyLiveView(view);
    m_userSetView = new QMUserSetView(view);
    connect(m_userSetView, &QMUserSetView::phoneEditorDidFinish, this,
            &QMMyQuelmaViewController::selectSet);
    const QRect area = view->rect().adjusted(0, kBarHeight, 0, 0);
    m_attentionListView = new QMAttentionListView(area, view);
    m_responsionListView = new QMResponsionListView(view);
    m_pizzaMapView = new QMPizzaMapView(area, view);
    for (QWidget *section : sections()) {
        section->hide();
    }
    layoutSections();
}

void QMMyQuelmaViewController::layoutSections()
{
    if (!isViewLoaded())
        return;
    const QRect area = view()->rect().adjusted(0, kBarHeight, 0, 0);
    if (m_bar)
        m_bar->setGeometry(0, 0, area.width(), kBarHeight);
    for (QWidget *section : sections()) {
        if (section)
            section->setGeometry(area);
    }
}

QMPizzaMapView *QMMyQuelmaViewController::pizzaMapView()
{
    makeSections();
    return m_pizzaMapView;
}

QMAttentionListView *QMMyQuelmaViewController::attentionListView()
{
    makeSections();
    return m_attentionListView;
}

QMResponsionListView *QMMyQuelmaViewController::responsionListView()
{
    makeSections();
    return m_responsionListView;
}

QMUserSetView *QMMyQuelmaViewController::userSetView()
{
    makeSections();
    return m_userSetView;
}

QMMyLiveView *QMMyQuelmaViewController::myLiveView()
{
    makeSections();
    return m_myLiveView;
}

QList<QWidget *> QMMyQuelmaViewController::sections() const
{
    return {m_myLiveView, m_userSetView, m_attentionListView, m_responsionListView, m_pizzaMapView};
}

QWidget *QMMyQuelmaViewController::frontSection() const
{
    return m_bar && !m_bar->isHidden() ? m_frontSection.data() : nullptr;
}

void QMMyQuelmaViewController::setColor()
{
    for (QMBarButton *button :
         {m_piazzaButton, m_attentionButton, m_restoreButton, m_setButton, m_liveButton}) {
        button->setBackgroundImage(QImage());
        button->setTitleColor(Qt::white);
    }
}

bool QMMyQuelmaViewController::choose(QMBarButton *button, QWidget *section)
{
    if (!QMDataProvider::DataProvider()->isLogged()) {
        selectLogin();
        return false;
    }
    // Asked for from elsewhere (a plan just added) while an older sign-in screen still waits
    // here: the member is in by now.
    if (QMNavigationController *stack = navigationController();
        stack && stack->topViewController() != this) {
        stack->popToViewController(this, false);
    }
    selectMember = QMDataContext::CurrentDataContext()->loginProvider()->loginMemeber;
    if (m_bar->isHidden()) {
        m_bar->show();
        if (QMNavigationController *stack = navigationController())
            stack->setNavigationBarHidden(true, false);
    }
    m_userSetView->endEditing();
    setColor();
    const QRect frame = button->geometry();
    button->setBackgroundImage(QMResourceImages::named(QStringLiteral("btn_bar.png")));
    button->setGeometry(frame);
    button->setTitleColor(Qt::black);
    for (QWidget *other : sections()) {
        if (other != section)
            other->hide();
    }
    section->show();
    section->raise();
    m_bar->raise();
    m_frontSection = section;
    return true;
}

void QMMyQuelmaViewController::selectMap()
{
    makeSections();
    choose(m_piazzaButton, m_pizzaMapView);
}

void QMMyQuelmaViewController::selectAttention()
{
    makeSections();
    if (!choose(m_attentionButton, m_attentionListView))
        return;
    m_attentionListView->selectMember = selectMember;
    m_attentionListView->attentionList();
}

void QMMyQuelmaViewController::selectResponsion()
{
    makeSections();
    if (choose(m_restoreButton, m_responsionListView))
        m_responsionListView->selectSendComment();
}

void QMMyQuelmaViewController::selectSet()
{
    makeSections();
    if (!choose(m_setButton, m_userSetView))
        return;
    showBusBee();
    QMMemberInfoProvider *provider = QMDataContext::CurrentDataContext()->memberInfoProvider();
    provider->memberid = signedInMemberId();
    provider->memberInfoProvieDelegate = this;
    provider->requestMemberInfo();
}

void QMMyQuelmaViewController::selectLive()
{
    makeSections();
    if (!choose(m_liveButton, m_myLiveView))
        return;
    showBusBee();
    QMMyLiveListProvider *provider = QMDataContext::CurrentDataContext()->myLiveListProvider();
    provider->memberid = signedInMemberId();
    provider->type = 0;
    provider->myLiveDelegate = this;
    provider->requestMyLive();
}

void QMMyQuelmaViewController::showBusBee()
{
    removeBusBee();
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
}

void QMMyQuelmaViewController::removeBusBee()
{
    QMViewBusyBee::removeBusyBee(view());
}

void QMMyQuelmaViewController::memberInfoProviderDidReceiveMemberInfo(
    QMMemberInfoProvider *, const std::shared_ptr<MemberInfo> &info)
{
    removeBusBee();
    // The provider serves the member pages too: another member's profile is not the member's.
    if (!info || info->memberid != signedInMemberId())
        return;
    m_userSetView->setMemberInfo(info);
}

void QMMyQuelmaViewController::memberInfoProviderDidRunIntoError(QMMemberInfoProvider *,
                                                                 const std::optional<QMError> &)
{
    removeBusBee();
}

void QMMyQuelmaViewController::myLiveProviderDidReceiveAgendaList(
    QMMyLiveListProvider *, const std::shared_ptr<AgendaList> &list)
{
    m_myLiveView->setMyLiveArray(list ? list->agendaArray : QList<std::shared_ptr<Agenda>>());
    removeBusBee();
}

void QMMyQuelmaViewController::myLiveProviderDidRunIntoError(QMMyLiveListProvider *,
                                                             const std::optional<QMError> &)
{
    removeBusBee();
}
