#include "ticketing/QMMovieBuyTicketViewController.h"

#include "app/QMDataContext.h"
#include "comments/InsertData.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPanelView.h"
#include "kit/QMTabBarController.h"
#include "members/QMAgendaAddProvider.h"
#include "members/QMLoginProvider.h"
#include "members/QMMyQuelmaViewController.h"
#include "services/QMDateFormater.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"
#include "ticketing/QMMovieSelectPewViewController.h"

#include <QLabel>

namespace {
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 40;

// A label just as wide as its text, from x.
QLabel *addFittedText(QWidget *parent, int x, int y, const QFont &font, const QString &text,
                      const QColor &color = Qt::black)
{
    QMLabel *label = QMKitStyle::addLabel(parent, QRect(x, y, 0, 22), font, color, text);
    label->widenToFitText(parent->width() - x);
    return label;
}
} // namespace

QMMovieBuyTicketViewController::QMMovieBuyTicketViewController() = default;

QMMovieBuyTicketViewController::~QMMovieBuyTicketViewController() = default;

std::unique_ptr<QWidget> QMMovieBuyTicketViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMMovieBuyTicketViewController::viewDidLoad()
{
    if (!selectMpi)
        selectMpi = std::make_shared<Mpi>();
    const Mpi &screening = *selectMpi;
    QWidget *v = view();
    navigationItem()->setTitle(screening.moviename);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("选择场次"));

    m_dateLabel =
        QMKitStyle::addLabel(v, QRect(10, 8, 140, 24), QMKitStyle::systemFont(16), Qt::black,
                             QMDateFormater(screening.playdate).dateStringWithFormat(1));
    if (selectCiname)
        QMKitStyle::addLabel(v, QRect(150, 8, 160, 24), QMKitStyle::systemFont(16), Qt::black,
                             selectCiname->cinemaname);

    auto *panel = new QMPanelView(QRect(8, 38, 303, 112), v);
    m_playtimeLabel =
        QMKitStyle::addLabel(panel, QRect(12, 2, 150, 58), QMKitStyle::boldSystemFont(48),
                             Qt::black, screening.playtime);
    // Without a price the film and hall texts take the room.
    const bool priced = selectCiname ? screening.quelprice != 0 : screening.price != 0;
    const int textWidth = priced ? 145 : 280;
    QMKitStyle::addLabel(panel, QRect(12, 64, textWidth, 18), QMKitStyle::systemFont(12), Qt::black,
                         screening.moviename);
    QMKitStyle::addLabel(panel, QRect(12, 84, textWidth, 18), QMKitStyle::systemFont(12), Qt::black,
                         screening.playroom);
    if (priced)
        addPrices(panel);

    const QRect first(14, 162, 292, 47);
    const char *addImage = "btn_add_myLive.png";
    QRect addFrame = first;
    if (screening.open) {
        m_buyButton = new QMBarButton(
            QString(), QMResourceImages::named(QStringLiteral("btn_buy_ticket.png")), v);
        m_buyButton->setGeometry(first);
        connect(m_buyButton, &QAbstractButton::clicked, this,
                &QMMovieBuyTicketViewController::buyTicket);
        addImage = "btn_add_myLive1.png";
        addFrame = first.translated(0, 55);
    }
    m_addMyLiveButton =
        new QMBarButton(QString(), QMResourceImages::named(QLatin1StringView(addImage)), v);
    m_addMyLiveButton->setGeometry(addFrame);
    connect(m_addMyLiveButton, &QAbstractButton::clicked, this,
            &QMMovieBuyTicketViewController::addMyLive);
}

void QMMovieBuyTicketViewController::viewDidAppear(bool)
{
    // Signed in, the member comes back to this very screen: the sign-in screen pops back to it
    // instead of stacking a second copy, so "back" still leads to the schedule. Its back button
    // is hidden, since going back to this screen would only bring the sign-in screen again.
    m_gate.requireMember([] {}, {.hidesBackButton = true, .animated = true});
}

void QMMovieBuyTicketViewController::agendaAddProviderDidReceiveInsertData(
    QMAgendaAddProvider *, const std::shared_ptr<InsertData> &data)
{
    QMViewBusyBee::removeBusyBee(view());
    if (!data || !data->isDone())
        return;
    QPointer<QMMovieBuyTicketViewController> self = this;
    QMAlertView::show(QStringLiteral("成功"), QStringLiteral("添加到我的生活成功！"),
                      QStringLiteral("ok"), [self] {
                          if (self)
                              self->showPlansInMemberArea();
                      });
}

void QMMovieBuyTicketViewController::agendaAddProviderDidRunIntoError(
    QMAgendaAddProvider *, const std::optional<QMError> &error)
{
    QMViewBusyBee::removeBusyBee(view());
    // A failed transfer's own words mean nothing to a member.
    const bool told = error && error->code() == -1;
    QMAlertView::show(QStringLiteral("错误"),
                      told ? error->domain() : QStringLiteral("与后台通讯错误"),
                      QStringLiteral("ok"));
}

void QMMovieBuyTicketViewController::buyTicket()
{
    QMNavigationController *stack = navigationController();
    if (!stack)
        return;
    auto seats = std::make_unique<QMMovieSelectPewViewController>();
    seats->mpi = selectMpi;
    seats->cinema = selectCiname;
    stack->push(std::move(seats), true);
}

void QMMovieBuyTicketViewController::addMyLive()
{
    QMDataContext *context = QMDataContext::CurrentDataContext();
    QMViewBusyBee::removeBusyBee(view());
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    const auto &member = context->loginProvider()->loginMemeber;
    QMAgendaAddProvider *provider = context->agendaAddProvider();
    provider->memberEncode = member ? member->memberEncode : QString();
    provider->mpid = selectMpi->mpid;
    provider->agendaAddDelegate = this;
    provider->requestAgendaAdd();
}

void QMMovieBuyTicketViewController::addPrices(QWidget *panel)
{
    const Mpi &screening = *selectMpi;
    const QFont caption = QMKitStyle::systemFont(13);
    const QFont price = QMKitStyle::boldSystemFont(15);
    const QColor orange = QMKitStyle::tintColor();
    if (!selectCiname) {
        QLabel *label = addFittedText(panel, 165, 24, caption, QStringLiteral("原价: "));
        m_priceLabel = addFittedText(panel, label->geometry().right() + 1, 24, price,
                                     QStringLiteral("%1元").arg(screening.price), orange);
        return;
    }
    QLabel *label = addFittedText(panel, 160, 24, caption, QStringLiteral(" 售价: "));
    m_priceLabel = addFittedText(panel, label->geometry().right() + 1, 24, price,
                                 QStringLiteral("%1元").arg(screening.quelprice), orange);

    label = addFittedText(panel, 163, 56, caption, QStringLiteral("(原价:"));
    m_originalPriceLabel =
        addFittedText(panel, label->geometry().right() + 1, 56, QMKitStyle::systemFont(15),
                      QStringLiteral("%1元").arg(screening.price), orange);
    const QRect struck = m_originalPriceLabel->geometry();
    m_strikeBar = new QWidget(panel);
    m_strikeBar->setGeometry(struck.center().x() - 9, struck.center().y(), 18, 2);
    QMKitStyle::setBackgroundColor(m_strikeBar, Qt::black);
    addFittedText(panel, struck.right() + 1, 56, caption, QStringLiteral(")"));
}

void QMMovieBuyTicketViewController::showPlansInMemberArea()
{
    QMTabBarController *tabs = tabBarController();
    if (!tabs)
        return;
    tabs->setSelectedIndex(int(tabs->viewControllers().size()) - 1);
    if (QMMyQuelmaViewController *hub =
            QMMyQuelmaViewController::inTab(tabs->selectedViewController())) {
        hub->selectMap();
        hub->selectLive();
    }
}
