#include "ticketing/QMMovieConfirmPewViewController.h"

#include "app/QMDataContext.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMBrowser.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTextField.h"
#include "kit/QMTextLimit.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"
#include "ticketing/Order.h"
#include "ticketing/QMScreeningTitleView.h"
#include "ticketing/QMTicketBookProvider.h"

#include <QLabel>

namespace {
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 30;

QLabel *addText(QWidget *parent, const QRect &frame, qreal size, const QString &text,
                const QColor &color = Qt::black)
{
    QLabel *label = QMKitStyle::addLabel(parent, frame, QMKitStyle::systemFont(size), color, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

QMMovieConfirmPewViewController::QMMovieConfirmPewViewController() = default;

QMMovieConfirmPewViewController::~QMMovieConfirmPewViewController() = default;

std::unique_ptr<QWidget> QMMovieConfirmPewViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMMovieConfirmPewViewController::viewDidLoad()
{
    if (!mpi)
        mpi = std::make_shared<Mpi>();
    const Mpi &screening = *mpi;
    QWidget *v = view();
    navigationItem()->setTitle(QStringLiteral("确认座次"));
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));

    new QMScreeningTitleView(screening, QRect(10, 6, 300, 22), v);
    addText(v, QRect(10, 32, 300, 20), 14,
            QStringLiteral("影院:%1").arg(cinema ? cinema->cinemaname : QString()));
    addText(v, QRect(10, 54, 300, 20), 14,
            QStringLiteral("场次:%1 %2 %3")
                .arg(screening.playtime, screening.versionText(), screening.playroom));
    m_totalLabel =
        addText(v, QRect(10, 76, 300, 20), 14,
                QStringLiteral(" 售价: %1元").arg(qint64(screening.quelprice) * selectionCount));

    addText(v, QRect(10, 100, 300, 20), 14, QStringLiteral("您已选择:"));
    QLabel *seats = addText(v, QRect(10, 120, 300, 32), 12, selectionText, QMKitStyle::tintColor());
    seats->setWordWrap(true);
    seats->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    seats->setAttribute(Qt::WA_TransparentForMouseEvents);
    addText(v, QRect(10, 152, 300, 16), 12, QStringLiteral("您最多可选择5张票"));

    addText(v, QRect(10, 176, 300, 22), 15, QStringLiteral("接收手机:"));
    m_phoneText = new QMTextField(QRect(10, 200, 256, 30), v);
    m_phoneText->setBorderStyle(QMTextField::BorderStyle::RoundedRect);
    m_phoneText->setKeyboardType(QMTextField::KeyboardType::NumberPad);
    m_phoneText->setAccessibleName(QStringLiteral("接收手机"));
    addText(v, QRect(10, 234, 300, 18), 13,
            QStringLiteral("*用户接收取票密码短信，不会产生任何费用"));

    m_buyTicketButton = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_conformPayment.png")), v);
    m_buyTicketButton->setGeometry(88, 266, 145, 30);
    connect(m_buyTicketButton, &QAbstractButton::clicked, this,
            &QMMovieConfirmPewViewController::cofirmPurchase);
}

void QMMovieConfirmPewViewController::viewDidAppear(bool)
{
    m_buyTicketButton->setEnabled(true);
}

void QMMovieConfirmPewViewController::ticketBookProviderDidReceivedOrder(
    QMTicketBookProvider *, const std::shared_ptr<Order> &order)
{
    QMViewBusyBee::removeBusyBee(view());
    // Only a web page of the service is opened, with the member's credentials escaped as values.
    const QUrl page = order ? QMTicketBookProvider::paymentAddress(*order) : QUrl();
    if (page.isEmpty()) {
        showRefusal({});
        return;
    }
    // The buy button stays off until the member comes back to this screen: the order is placed.
    QMBrowser::openUrl(page);
}

void QMMovieConfirmPewViewController::ticketBookProviderDidRunIntoError(
    QMTicketBookProvider *, const std::optional<QMError> &error)
{
    QMViewBusyBee::removeBusyBee(view());
    // The service's refusal in its own words; a failed transfer's words mean nothing to a member.
    if (!error)
        showRefusal({});
    else
        showRefusal(error->code() == -1 ? error->domain() : QStringLiteral("与后台通讯错误"));
}

void QMMovieConfirmPewViewController::cofirmPurchase()
{
    endEditing();
    const QString mobile = m_phoneText->text();
    if (QMTextLimit::lengthOf(mobile) <= shortestRefusedLength) {
        phoneNumberError();
        return;
    }
    if (mpi->mpid.isEmpty() || selectSeats.isEmpty()) // nothing would be sent
        return;
    QMTicketBookProvider *provider = QMDataContext::CurrentDataContext()->ticketBookProvider();
    provider->mpid = mpi->mpid;
    provider->mobile = mobile;
    provider->seatLabel = seatLabel();
    provider->orderDelegate = this;
    provider->requestBookInfo();
    QMViewBusyBee::removeBusyBee(view());
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    m_buyTicketButton->setEnabled(false);
}

void QMMovieConfirmPewViewController::phoneNumberError()
{
    QPointer<QMMovieConfirmPewViewController> self = this;
    QMAlertView::show(QString(), QStringLiteral("手机号码输入有误，请重新输入"),
                      QStringLiteral("OK"), [self] {
                          if (self)
                              self->alertViewDidDismiss();
                      });
}

void QMMovieConfirmPewViewController::showRefusal(const QString &message)
{
    QPointer<QMMovieConfirmPewViewController> self = this;
    QMAlertView::show(QStringLiteral("出错了！"), message, QStringLiteral("OK"), [self] {
        if (self)
            self->alertViewDidDismiss();
    });
}

void QMMovieConfirmPewViewController::alertViewDidDismiss()
{
    m_phoneText->clear();
    m_buyTicketButton->setEnabled(true);
}
