#include "films/QMMoviePlayCinemaViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/CinemaList.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "cinemas/QMTicketLegend.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMMovieTaxisViewController.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "services/QMLocationProvider.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>
#include <QSet>

namespace {
constexpr QSize kViewSize(320, 367);
constexpr int kBusySize = 40;

QMBarButton *imageButton(const char *image, const QRect &frame, QWidget *parent)
{
    auto *button =
        new QMBarButton(QString(), QMResourceImages::named(QLatin1StringView(image)), parent);
    button->setGeometry(frame);
    return button;
}
} // namespace

QMMoviePlayCinemaViewController::QMMoviePlayCinemaViewController() = default;

QMMoviePlayCinemaViewController::~QMMoviePlayCinemaViewController() = default;

std::unique_ptr<QWidget> QMMoviePlayCinemaViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(kViewSize);
    QMKitStyle::setBackgroundColor(view.get(), QMKitStyle::lightGrayColor());
    return view;
}

void QMMoviePlayCinemaViewController::viewDidLoad()
{
    if (!selectMovie)
        selectMovie = std::make_shared<movie>();
    const movie &film = *selectMovie;
    QWidget *v = view();
    navigationItem()->setTitle(film.moviename);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    navigationItem()->setBackBarButtonTitle(QStringLiteral("选择影院"));

    m_districtChooser = new QMDistrictChooser(v);
    connect(m_districtChooser, &QMDistrictChooser::districtChosen, this,
            &QMMoviePlayCinemaViewController::requestDistrict);

    QMKitStyle::addLabel(v, QRect(10, 8, 120, 30), QMKitStyle::systemFont(20),
                         QMKitStyle::tintColor(), film.moviename);
    QMKitStyle::addLabel(v, QRect(128, 4, 55, 30), QMKitStyle::italicSystemFont(19),
                         QMKitStyle::tintColor(), QStringLiteral("%1分").arg(film.generalmark));
    new QMTicketLegend(QPoint(180, 10), v);

    m_cinemasTab = imageButton("btn_movieArray1.png", QRect(10, 38, 150, 33), v);
    connect(m_cinemasTab, &QAbstractButton::clicked, this,
            &QMMoviePlayCinemaViewController::taxisPressedSwitch);
    m_synopsisTab = imageButton("btn_movieInfo1.png", QRect(158, 38, 150, 33), v);
    connect(m_synopsisTab, &QAbstractButton::clicked, this,
            &QMMoviePlayCinemaViewController::infoPressedSwitch);

    m_synopsisView = new QMReadingTextView(v);
    m_synopsisView->setGeometry(10, 70, 298, 294);
    m_synopsisView->setBorderColor(Qt::gray);
    m_synopsisView->setText(film.content);
    m_synopsisView->hide();

    auto *bar = new QLabel(v);
    m_filterBar = bar;
    bar->setGeometry(10, 70, 298, 37);
    bar->setScaledContents(true);
    bar->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_around_cinema2.png"))));
    m_nearButton = imageButton("btn_near.png", QRect(7, 6, 77, 24), bar);
    connect(m_nearButton, &QAbstractButton::clicked, this,
            &QMMoviePlayCinemaViewController::returnMovieNearCinema);
    m_allCinemaButton = imageButton("btn_allCinema.png", QRect(7, 6, 77, 24), bar);
    m_allCinemaButton->hide();
    connect(m_allCinemaButton, &QAbstractButton::clicked, this,
            &QMMoviePlayCinemaViewController::returnAllCinema);
    m_districtButton = imageButton("btn_select_area.png", QRect(214, 6, 77, 24), bar);
    connect(m_districtButton, &QAbstractButton::clicked, this,
            &QMMoviePlayCinemaViewController::chooseDistrict);

    // Ends two points above the tab bar.
    m_cinemaTableView = new QMCinemaListView(QRect(10, 107, 298, 258), v);
    connect(m_cinemaTableView, &QMCinemaListView::cinemaChosen, this,
            &QMMoviePlayCinemaViewController::openScheduleAtRow);

    _init = true;
    requestFilmList();
}

void QMMoviePlayCinemaViewController::cinemaProviderDidReceivedCinemaList(
    QMCinemaProvider *provider, const std::shared_ptr<CinemaList> &list)
{
    // Only the film's own list says which cinemas show it; a nearby or district list that came
    // first must not stand in for it.
    if (provider == QMDataContext::CurrentDataContext()->tmCinemaProvider()) {
        m_tmCinemaArray = list->cinemaArray;
        _init = false;
        showNearButton(true);
        showCinemas(m_tmCinemaArray);
        return;
    }
    QSet<QString> showing;
    for (const auto &cinema : std::as_const(m_tmCinemaArray))
        showing.insert(cinema->cinemaid);
    QList<std::shared_ptr<SimpleCinema>> kept;
    for (const auto &cinema : list->cinemaArray) {
        if (showing.contains(cinema->cinemaid))
            kept.append(cinema); // the answer's own record, with its distance
    }
    showCinemas(kept);
}

void QMMoviePlayCinemaViewController::cinemaProviderDidRunIntoError(QMCinemaProvider *,
                                                                    const std::optional<QMError> &)
{
    QMViewBusyBee::removeBusyBee(view());
}

void QMMoviePlayCinemaViewController::movieInfoProviderDidReceivedMovieInfo(
    QMMovieInfoProvider *, const std::shared_ptr<movie> &info)
{
    // A record without the film's identifier would lose the way to its cinemas.
    if (info && !info->movieid.isEmpty())
        selectMovie = info;
    if (m_synopsisView) {
        m_synopsisView->setText(selectMovie->content);
        QMViewBusyBee::removeBusyBee(m_synopsisView);
    }
}

void QMMoviePlayCinemaViewController::movieInfoProviderDidRunInfoError(
    QMMovieInfoProvider *, const std::optional<QMError> &)
{
    if (m_synopsisView)
        QMViewBusyBee::removeBusyBee(m_synopsisView);
}

void QMMoviePlayCinemaViewController::returnMovieNearCinema()
{
    QMDataContext *context = QMDataContext::CurrentDataContext();
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMNearbyCinemaProvider *provider = context->nearbyCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestForCinemasNearby(context->locationProvider()->currentLocation());
    showNearButton(false);
}

void QMMoviePlayCinemaViewController::returnAllCinema()
{
    showNearButton(true);
    // The film's list never came: ask for it again rather than show nothing.
    if (_init) {
        requestFilmList();
        return;
    }
    m_cinemaArray = m_tmCinemaArray;
    if (m_cinemaTableView)
        m_cinemaTableView->setCinemaArray(m_cinemaArray);
}

void QMMoviePlayCinemaViewController::chooseDistrict()
{
    m_districtChooser->chooseDistrict();
}

void QMMoviePlayCinemaViewController::requestDistrict(const QString &, const QString &countycode)
{
    QMTDCinemaProvider *provider = QMDataContext::CurrentDataContext()->tdCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestCinemaListForDistrict(countycode);
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
}

void QMMoviePlayCinemaViewController::taxisPressedSwitch()
{
    setTabImages("btn_movieArray1.png", "btn_movieInfo1.png");
    if (m_cinemaTableView)
        m_cinemaTableView->show();
    if (m_filterBar)
        m_filterBar->show();
    if (m_synopsisView)
        m_synopsisView->hide();
}

void QMMoviePlayCinemaViewController::infoPressedSwitch()
{
    setTabImages("btn_movieArray.png", "btn_movieInfo.png");
    if (m_cinemaTableView)
        m_cinemaTableView->hide();
    if (m_filterBar)
        m_filterBar->hide();
    if (!m_synopsisView)
        return;
    m_synopsisView->show();
    if (selectMovie->movieid.isEmpty()) // nothing would be sent, and no answer come
        return;
    QMMovieInfoProvider *provider = QMDataContext::CurrentDataContext()->movieInfoProvider();
    provider->movieInfoDelegate = this;
    provider->requestForMovie(selectMovie->movieid);
    QMViewBusyBee::showBusyBeeAtCenter(m_synopsisView, 30);
}

void QMMoviePlayCinemaViewController::openScheduleAtRow(int row)
{
    QMNavigationController *stack = navigationController();
    if (row < 0 || row >= m_cinemaArray.size() || !stack)
        return;
    auto schedule = std::make_unique<QMMovieTaxisViewController>();
    schedule->selectCinema = m_cinemaArray.at(row);
    schedule->selectMovie = selectMovie;
    stack->push(std::move(schedule), true);
}

void QMMoviePlayCinemaViewController::requestFilmList()
{
    QMViewBusyBee::showBusyBeeAtCenter(view(), kBusySize);
    QMTMCinemaProvider *provider = QMDataContext::CurrentDataContext()->tmCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestCinemasForMovie(selectMovie->movieid);
}

void QMMoviePlayCinemaViewController::showCinemas(
    const QList<std::shared_ptr<SimpleCinema>> &cinemas)
{
    m_cinemaArray = CinemaList::sellersFirst(cinemas);
    if (m_cinemaTableView)
        m_cinemaTableView->setCinemaArray(m_cinemaArray);
    QMViewBusyBee::removeBusyBee(view());
}

void QMMoviePlayCinemaViewController::showNearButton(bool near)
{
    if (m_nearButton)
        m_nearButton->setVisible(near);
    if (m_allCinemaButton)
        m_allCinemaButton->setVisible(!near);
}

void QMMoviePlayCinemaViewController::setTabImages(const char *cinemas, const char *synopsis)
{
    // A new picture would give the button the picture's own size: the tabs keep theirs.
    for (auto [button, image] :
         {std::pair{m_cinemasTab.data(), cinemas}, std::pair{m_synopsisTab.data(), synopsis}}) {
        if (!button)
            continue;
        const QRect frame = button->geometry();
        button->setBackgroundImage(QMResourceImages::named(QLatin1StringView(image)));
        button->setGeometry(frame);
    }
}
