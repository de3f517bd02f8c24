#include "cinemas/QMCinemaViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/CinemaList.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTicketLegend.h"
#include "cinemas/QmCinemaInfoViewController.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "services/QMLocationProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
// The view between the navigation bar and the tab bar.
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 40;
} // namespace

QMCinemaViewController::QMCinemaViewController()
{
    setTitle(QStringLiteral("影院"));
}

QMCinemaViewController::~QMCinemaViewController() = default;

std::unique_ptr<QWidget> QMCinemaViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMCinemaViewController::viewDidLoad()
{
    QWidget *v = view();
    auto title = std::make_unique<QLabel>(QStringLiteral("上海电影院"));
    title->setFont(QMKitStyle::systemFont(18));
    title->setAlignment(Qt::AlignCenter);
    title->resize(200, 44);
    navigationItem()->setTitleView(std::move(title));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("选择影院"));

    m_districtChooser = new QMDistrictChooser(v);
    connect(m_districtChooser, &QMDistrictChooser::districtChosen, this,
            &QMCinemaViewController::requestDistrict);

    // The caption of the list shown, and the legend of the check marks.
    _nearLabel =
        QMKitStyle::addLabel(v, QRect(10, 8, 165, 30), QMKitStyle::systemFont(16), Qt::black);
    new QMTicketLegend(QPoint(180, 10), v);

    auto *bar = new QLabel(v);
    bar->setGeometry(10, 40, 300, 35);
    bar->setScaledContents(true);
    bar->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_around_cinema.png"))));
    bar->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    _nameButton =
        new QMBarButton(QString(), QMResourceImages::named(QStringLiteral("btn_near.png")), bar);
    _nameButton->setGeometry(4, 4, 78, 28);
    connect(_nameButton, &QAbstractButton::clicked, this,
            &QMCinemaViewController::requestNearDelegate);
    m_districtButton = new QMBarButton(
        QString(), QMResourceImages::named(QStringLiteral("btn_select_area.png")), bar);
    m_districtButton->setGeometry(218, 4, 78, 28);
    connect(m_districtButton, &QAbstractButton::clicked, this,
            &QMCinemaViewController::chooseDistrict);

    _cinemaTableView = new QMCinemaListView(QRect(10, 80, 300, 280), v);
    connect(_cinemaTableView, &QMCinemaListView::cinemaChosen, this,
            &QMCinemaViewController::openCinemaAtRow);

    requestNearDelegate();
}

void QMCinemaViewController::cinemaProviderDidReceivedCinemaList(
    QMCinemaProvider *provider, const std::shared_ptr<CinemaList> &list)
{
    _cinemaArray = CinemaList::sellersFirst(list->cinemaArray);
    if (_cinemaTableView)
        _cinemaTableView->setCinemaArray(_cinemaArray);
    // The caption names the list shown, so it changes with the list and not with the request.
    if (_nearLabel) {
        const bool nearby = provider == QMDataContext::CurrentDataContext()->nearbyCinemaProvider();
        _nearLabel->setText(nearby ? QStringLiteral("周边影院")
                                   : QStringLiteral("%1区影院").arg(m_requestedDistrict));
    }
    QMViewBusyBee::removeBusyBee(view());
}

void QMCinemaViewController::cinemaProviderDidRunIntoError(QMCinemaProvider *,
                                                           const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

void QMCinemaViewController::requestNearDelegate()
{
    QMDataContext *context = QMDataContext::CurrentDataContext();
    // The position known now; the list does not wait for a newer one.
    const QMLocationProvider::Coordinate here = context->locationProvider()->currentLocation();
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMNearbyCinemaProvider *provider = context->nearbyCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestForCinemasNearby(here);
}

void QMCinemaViewController::chooseDistrict()
{
    m_districtChooser->chooseDistrict();
}

void QMCinemaViewController::requestDistrict(const QString &briefname, const QString &countycode)
{
    m_requestedDistrict = briefname;
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMTDCinemaProvider *provider = QMDataContext::CurrentDataContext()->tdCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestCinemaListForDistrict(countycode);
}

void QMCinemaViewController::openCinemaAtRow(int row)
{
    if (row < 0 || row >= _cinemaArray.size())
        return;
    auto details = std::make_unique<QmCinemaInfoViewController>();
    details->selectCinema = std::make_shared<Cinema>(*_cinemaArray[row]);
    if (QMNavigationController *stack = navigationController())
        stack->push(std::move(details), true);
}
