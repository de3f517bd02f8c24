#include "cinemas/QmCinemaInfoViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/MpiList.h"
#include "cinemas/QMCinemaInfoProvider.h"
#include "cinemas/QMGeoDistance.h"
#include "cinemas/QMMapViewController.h"
#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/SimpleCinema.h"
#include "comments/InsertData.h"
#include "comments/QMCinemaCommentViewController.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/movie.h"
#include "kit/QMAlertView.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPageCounter.h"
#include "kit/QMScrollView.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "members/QMSignPointProvider.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kBusySize = 40;
constexpr QRect kBelowTabs(10, 33, 298, 0);
} // namespace

QmCinemaInfoViewController::QmCinemaInfoViewController()
    : QMCommentedDetailsViewController(0, commentPageCounter())
{}

QmCinemaInfoViewController::~QmCinemaInfoViewController() = default;

QMPageCounter &QmCinemaInfoViewController::commentPageCounter()
{
    static QMPageCounter kCommentCount;
    return kCommentCount;
}

void QmCinemaInfoViewController::viewDidLoad()
{
    if (!selectCinema)
        selectCinema = std::make_shared<Cinema>();
    QWidget *v = view();
    navigationItem()->setTitle(selectCinema->cinemaname);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    auto checkIn = std::make_unique<QMBarButton>(
        QString(), QMResourceImages::named(QStringLiteral("img_myhere.png")));
    checkIn->setFixedSize(43, 30);
    m_checkInButton = checkIn.get();
    connect(m_checkInButton, &QAbstractButton::clicked, this,
            &QmCinemaInfoViewController::checkInPos);
    navigationItem()->setRightBarButton(std::move(checkIn));

    _isCinemaInfo = false;
    _addressText = selectCinema->address;
    setUpDetails(selectCinema->cinemaid,
                 QRect(QPoint(v->width() - kBusySize, v->height() - kBusySize) / 2,
                       QSize(kBusySize, kBusySize)));
    QMViewBusyBee::showBusyBeeAtCenter(v, kBusySize);
    QMMovieOnFSCProvider *films = QMDataContext::CurrentDataContext()->movieOnFSCProvider();
    films->fscDelegate = this;
    films->requestOnPlayMovieListForCinema(selectCinema->cinemaid);
}

void QmCinemaInfoViewController::fscProviderDidReceivedMovieList(
    QMMovieFSCProvider *, const std::shared_ptr<MpiList> &list)
{
    _mpiArray = list->mpiArray;
    tableView()->reloadData();
    QMViewBusyBee::removeBusyBee(view());
}

void QmCinemaInfoViewController::fscProviderDidRunIntoError(QMMovieFSCProvider *,
                                                            const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

void QmCinemaInfoViewController::cinemaInfoProviderDidReceiveCinemaInfo(
    QMCinemaInfoProvider *, const std::shared_ptr<Cinema> &info)
{
    // A record without the cinema's identifier would lose its films, comments and place.
    if (info && !info->cinemaid.isEmpty())
        selectCinema = info;
    if (_cinemaInfoView) {
        _cinemaInfoView->setText(selectCinema->content);
        QMViewBusyBee::removeBusyBee(_cinemaInfoView);
    }
    tableView()->reloadData();
}

void QmCinemaInfoViewController::cinemaInfoProviderDidRunIntoError(QMCinemaInfoProvider *,
                                                                   const std::optional<QMError> &)
{
    if (_cinemaInfoView)
        QMViewBusyBee::removeBusyBee(_cinemaInfoView);
}

void QmCinemaInfoViewController::singPointProviderDidReceiveInsertData(
    QMSignPointProvider *, const std::shared_ptr<InsertData> &data)
{
    QMViewBusyBee::removeBusyBee(view());
    if (data && data->isDone())
        QMAlertView::show(QStringLiteral("成功"), QStringLiteral("恭喜你签到成功！"),
                          QStringLiteral("ok"));
}

void QmCinemaInfoViewController::singPointProviderDidRunIntoError(
    QMSignPointProvider *, const std::optional<QMError> &error)
{
    QMViewBusyBee::removeBusyBee(view());
    QMAlertView::show(QStringLiteral("错误"), QMError::alertText(error), QStringLiteral("ok"));
}

void QmCinemaInfoViewController::checkInPos()
{
    QMDataContext *context = QMDataContext::CurrentDataContext();
    const double metres = geoDistance(context->locationProvider()->currentLocation(),
                                      {selectCinema->pointy, selectCinema->pointx});
    if (!isCloseEnoughToCheckIn(metres)) {
        QMAlertView::show(
            QString(),
            QStringLiteral("你现在距离%1超过500m，不能签到").arg(selectCinema->cinemaname),
            QStringLiteral("OK"));
        return;
    }
    if (!QMDataProvider::DataProvider()->isLogged()) {
        // Measured again after the sign-in: the member may have walked on meanwhile.
        _isHere = true;
        m_gate.requireMember([this] {
            _isHere = false;
            checkInPos();
        });
        return;
    }
    _isHere = false;
    const std::shared_ptr<MemberCache> member = context->loginProvider()->loginMemeber;
    if (!member)
        return;
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMSignPointProvider *provider = context->signPointProvider();
    provider->memberid = member->memberid;
    provider->singPointDelegate = this;
    provider->requestSingPoint();
}

void QmCinemaInfoViewController::gotoMap()
{
    if (QMNavigationController *stack = navigationController())
        stack->push(QMMapViewController::forCinema(*selectCinema), true);
}

void QmCinemaInfoViewController::onpalyPressedSwitch()
{
    _isCinemaInfo = false;
    showTab(true);
}

void QmCinemaInfoViewController::infoPressedSwitch()
{
    _isCinemaInfo = true;
    showTab(false);
    if (selectCinema->cinemaid.isEmpty() || !_cinemaInfoView)
        return;
    QMViewBusyBee::showBusyBeeAtCenter(_cinemaInfoView, 30);
    QMCinemaInfoProvider *provider = QMDataContext::CurrentDataContext()->cinemaInfoProvider();
    provider->cinemaInfoDelegate = this;
    provider->requestInfoForCinema(selectCinema->cinemaid);
}

void QmCinemaInfoViewController::openScheduleForFilm(int index)
{
    QMNavigationController *stack = navigationController();
    if (index < 0 || index >= _mpiArray.size() || !stack)
        return;
    auto schedule = std::make_unique<QMMovieTaxisViewController>();
    schedule->selectCinema = std::make_shared<SimpleCinema>(*selectCinema);
    schedule->selectMovie = std::make_shared<movie>(*_mpiArray[index]);
    stack->push(std::move(schedule), true);
}

void QmCinemaInfoViewController::userComment()
{
    // A check-in left waiting at an abandoned sign-in must not run at this one.
    _isHere = false;
    QMCommentedDetailsViewController::userComment();
}

void QmCinemaInfoViewController::presentCommentView()
{
    auto screen = std::make_unique<QMCinemaCommentViewController>();
    screen->selectCinema = selectCinema;
    screen->commentListOwner = this;
    screen->cinemaCommentDelegate = this;
    presentModalViewController(std::make_unique<QMNavigationController>(std::move(screen)), true);
}

void QmCinemaInfoViewController::cinemaCommentViewControllerWillDismiss(
    QMCinemaCommentViewController *)
{
    dismissModalViewController(true);
}

std::unique_ptr<QWidget> QmCinemaInfoViewController::headerRow()
{
    std::unique_ptr<QMTableViewCell> cell = greyRow();
    QWidget *row = cell.get();
    const Cinema &cinema = *selectCinema;
    QLabel *name = QMKitStyle::addLabel(row, QRect(10, 8, 0, 22), QMKitStyle::boldSystemFont(15),
                                        Qt::black, cinema.cinemaname);
    name->setTextFormat(Qt::PlainText);
    name->resize(qMin(name->sizeHint().width(), 230), 22);
    QLabel *mark = QMKitStyle::addLabel(row, QRect(name->geometry().right() + 6, 8, 60, 22),
                                        QMKitStyle::italicSystemFont(15), QMKitStyle::tintColor(),
                                        QStringLiteral("%1分").arg(cinema.generalmark));
    mark->setTextFormat(Qt::PlainText);
    QLabel *address = QMKitStyle::addLabel(
        row, QRect(10, 32, 236, 38), QMKitStyle::boldSystemFont(11.5), Qt::black, _addressText);
    address->setTextFormat(Qt::PlainText);
    address->setWordWrap(true);
    address->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *map = new QPushButton(QStringLiteral("【地图】"), row);
    map->setGeometry(250, 34, 62, 24);
    map->setFont(QMKitStyle::systemFont(12));
    map->setFlat(true);
    map->setStyleSheet(QStringLiteral("color: rgb(255,128,0); border: none;"));
    connect(map, &QPushButton::clicked, this, &QmCinemaInfoViewController::gotoMap);
    m_mapButton = map;
    return cell;
}

std::unique_ptr<QWidget> QmCinemaInfoViewController::tabRow()
{
    std::unique_ptr<QMTableViewCell> cell = greyRow();
    QWidget *row = cell.get();
    _onplayButton = imageButton(_isCinemaInfo ? "btn_onplay.png" : "btn_cinema_onplay.png",
                                QRect(10, 0, 150, 33), row);
    connect(_onplayButton, &QAbstractButton::clicked, this,
            &QmCinemaInfoViewController::onpalyPressedSwitch);
    _infoButton = imageButton(_isCinemaInfo ? "btn_info.png" : "btn_cinema_info.png",
                              QRect(158, 0, 150, 33), row);
    connect(_infoButton, &QAbstractButton::clicked, this,
            &QmCinemaInfoViewController::infoPressedSwitch);

    if (_isCinemaInfo) {
        _cinemaInfoView = new QMReadingTextView(row);
        _cinemaInfoView->setGeometry(kBelowTabs.adjusted(0, 0, 0, 245));
        _cinemaInfoView->setTextFont(QMKitStyle::systemFont(14));
        _cinemaInfoView->setBorderColor(Qt::gray);
        _cinemaInfoView->setText(selectCinema->content);
        return cell;
    }
    // The strip is built afresh with its row; it stays where the member had moved it.
    const QPoint offset =
        _cinemaScrollView ? _cinemaScrollView->scrollView()->contentOffset() : QPoint();
    _cinemaScrollView = new QMCinemaFilmStrip(row);
    _cinemaScrollView->setGeometry(kBelowTabs.adjusted(0, 0, 0, QMCinemaFilmStrip::kSize.height()));
    _cinemaScrollView->setMpiArray(_mpiArray);
    _cinemaScrollView->scrollView()->setContentOffset(offset);
    connect(_cinemaScrollView, &QMCinemaFilmStrip::filmChosen, this,
            &QmCinemaInfoViewController::openScheduleForFilm);
    return cell;
}
