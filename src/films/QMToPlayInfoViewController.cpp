#include "films/QMToPlayInfoViewController.h"

#include "app/QMDataContext.h"
#include "cinemas/CinemaList.h"
#include "cinemas/QMMapViewController.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "comments/QMMovieCommentViewController.h"
#include "films/QMMovieHeaderView.h"
#include "films/QMMovieInfoProvider.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/movie.h"
#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPageCounter.h"
#include "kit/QMReadingTextView.h"
#include "kit/QMTableView.h"
#include "services/QMResourceImages.h"
#include "services/QMViewBusyBee.h"

#include <QLabel>

namespace {
constexpr QRect kSynopsisFrame(10, 32, 298, 172);

QLabel *addPlainLabel(QWidget *parent, int x, const QColor &color, const QString &text)
{
    QLabel *label =
        QMKitStyle::addLabel(parent, QRect(x, 10, 0, 20), QMKitStyle::systemFont(15), color, text);
    label->setTextFormat(Qt::PlainText);
    label->resize(label->sizeHint().width(), 20);
    return label;
}
} // namespace

QMToPlayInfoViewController::QMToPlayInfoViewController()
    : QMCommentedDetailsViewController(1, commentPageCounter())
{}

QMToPlayInfoViewController::~QMToPlayInfoViewController() = default;

QMPageCounter &QMToPlayInfoViewController::commentPageCounter()
{
    static QMPageCounter kCommentArrayCount;
    return kCommentArrayCount;
}

void QMToPlayInfoViewController::viewDidLoad()
{
    if (!selectsMovie)
        selectsMovie = std::make_shared<movie>();
    if (logoImage.isNull())
        logoImage = QMResourceImages::named(QStringLiteral("default.jpg"));
    QWidget *v = view();
    navigationItem()->setTitle(selectsMovie->moviename);
    navigationItem()->setTitleFont(QMKitStyle::systemFont(18));
    m_isInfo = false;
    setUpDetails(selectsMovie->movieid, QRect(v->width() / 2 - 15, 300, 30, 30));
}

void QMToPlayInfoViewController::movieInfoProviderDidReceivedMovieInfo(
    QMMovieInfoProvider *, const std::shared_ptr<movie> &info)
{
    // A record without the film's identifier would lose the way to its cinemas and comments.
    if (info && !info->movieid.isEmpty())
        selectsMovie = info;
    QMViewBusyBee::removeBusyBee(view());
    tableView()->reloadData();
}

void QMToPlayInfoViewController::movieInfoProviderDidRunInfoError(QMMovieInfoProvider *,
                                                                  const std::optional<QMError> &)
{
    // The schedule stays on screen, so it stays chosen.
    m_isInfo = false;
    tableView()->setScrollEnabled(true);
    QMViewBusyBee::removeBusyBee(view());
}

void QMToPlayInfoViewController::cinemaProviderDidReceivedCinemaList(
    QMCinemaProvider *, const std::shared_ptr<CinemaList> &list)
{
    m_cinemaArray = list->cinemaArray;
    showCinemasOnMap();
}

void QMToPlayInfoViewController::cinemaProviderDidRunIntoError(QMCinemaProvider *,
                                                               const std::optional<QMError> &)
{}

void QMToPlayInfoViewController::didRecievedImageForUrl(const QImage &image, const QString &url)
{
    // The shelf asks for the poster by smalllogo; the record may name it by logo.
    if (!selectsMovie || url.isEmpty() ||
        (url != selectsMovie->logo && url != selectsMovie->smalllogo))
        return;
    logoImage = image;
    if (m_header)
        m_header->setPoster(logoImage);
}

void QMToPlayInfoViewController::didRunIntoErrorForUrl(const std::optional<QMError> &,
                                                       const QString &)
{
    // The placeholder stays.
}

void QMToPlayInfoViewController::taxisPressedSwitch()
{
    m_isInfo = false;
    showTab(true);
}

void QMToPlayInfoViewController::infoPressedSwitch()
{
    if (selectsMovie->movieid.isEmpty()) // nothing would be sent, and no answer come
        return;
    // The synopsis shows with the film's record; until then the schedule stays.
    m_isInfo = true;
    QMTableView *table = tableView();
    table->setScrollEnabled(false);
    const QPoint row = table->rectForRow(1).topLeft() - table->contentOffset();
    const QRect synopsis = kSynopsisFrame.translated(table->pos() + row);
    QMViewBusyBee::showBusyBee(view(), QRect(synopsis.center() - QPoint(15, 15), QSize(30, 30)));
    QMMovieInfoProvider *provider = QMDataContext::CurrentDataContext()->movieInfoProvider();
    provider->movieInfoDelegate = this;
    provider->requestForMovie(selectsMovie->movieid);
}

void QMToPlayInfoViewController::selectMovieCinema()
{
    auto cinemas = std::make_unique<QMMoviePlayCinemaViewController>();
    cinemas->selectMovie = selectsMovie;
    if (QMNavigationController *stack = navigationController())
        stack->push(std::move(cinemas), true);
}

void QMToPlayInfoViewController::gotoMap()
{
    QMTMCinemaProvider *provider = QMDataContext::CurrentDataContext()->tmCinemaProvider();
    provider->cinemaDelegate = this;
    provider->requestCinemasForMovie(selectsMovie->movieid);
}

void QMToPlayInfoViewController::presentCommentView()
{
    auto screen = std::make_unique<QMMovieCommentViewController>();
    screen->selectMovie = selectsMovie;
    screen->commentListOwner = this;
    screen->movieCommentDelegate = this;
    presentModalViewController(std::make_unique<QMNavigationController>(std::move(screen)), true);
}

void QMToPlayInfoViewController::movieCommentViewControllerWillDismiss(
    QMMovieCommentViewController *)
{
    dismissModalViewController(true);
}

std::unique_ptr<QWidget> QMToPlayInfoViewController::headerRow()
{
    auto cell = greyRow();
    const movie &film = *selectsMovie;
    m_header =
        new QMMovieHeaderView(QRect(241, 18, 55, 30), QMKitStyle::italicSystemFont(18), cell.get());
    m_header->setPoster(logoImage);
    m_header->setTitle(film.moviename);
    m_header->setRating(film.generalmark);
    m_header->setCredits(QStringLiteral("导演：%1\n主演：%2\n片长：%3")
                             .arg(film.director, film.actors, film.length));
    return cell;
}

std::unique_ptr<QWidget> QMToPlayInfoViewController::tabRow()
{
    auto cell = greyRow();
    m_scheduleTab = imageButton(m_isInfo ? "btn_movieArray.png" : "btn_movieArray1.png",
                                QRect(10, 0, 150, 33), cell.get());
    connect(m_scheduleTab, &QAbstractButton::clicked, this,
            &QMToPlayInfoViewController::taxisPressedSwitch);
    m_synopsisTab = imageButton(m_isInfo ? "btn_movieInfo.png" : "btn_movieInfo1.png",
                                QRect(158, 0, 150, 33), cell.get());
    connect(m_synopsisTab, &QAbstractButton::clicked, this,
            &QMToPlayInfoViewController::infoPressedSwitch);
    if (m_isInfo)
        addSynopsis(cell.get());
    else
        addSchedulePanel(cell.get());
    return cell;
}

void QMToPlayInfoViewController::addSchedulePanel(QWidget *row)
{
    auto *panel = new QWidget(row);
    panel->setGeometry(10, 32, 298, 65);
    panel->setObjectName(QStringLiteral("schedulePanel"));
    panel->setStyleSheet(QStringLiteral(
        "#schedulePanel { border: 1px solid rgb(160,160,160); background: white; }"));
    panel->setAttribute(Qt::WA_StyledBackground);

    const movie &film = *selectsMovie;
    m_cinemaCount =
        addPlainLabel(panel, 10, Qt::black, QStringLiteral("%1家影院上映,").arg(film.cinemanum));
    m_orderCount = addPlainLabel(panel, m_cinemaCount->geometry().right() + 1,
                                 QMKitStyle::tintColor(), QString::number(film.ordercinemanum));
    addPlainLabel(panel, m_orderCount->geometry().right() + 1, Qt::black,
                  QStringLiteral("家可以在线购票"));

    m_cinemasButton = imageButton("btn_selectMovie_array.png", QRect(98, 32, 110, 26), panel);
    connect(m_cinemasButton, &QAbstractButton::clicked, this,
            &QMToPlayInfoViewController::selectMovieCinema);
    m_mapButton = imageButton("btn_selectMap.jpg", QRect(210, 32, 88, 26), panel);
    connect(m_mapButton, &QAbstractButton::clicked, this, &QMToPlayInfoViewController::gotoMap);
}

void QMToPlayInfoViewController::addSynopsis(QWidget *row)
{
    m_synopsisView = new QMReadingTextView(row);
    m_synopsisView->setGeometry(kSynopsisFrame);
    m_synopsisView->setTextFont(QMKitStyle::systemFont(14));
    m_synopsisView->setBorderColor(Qt::gray);
    QMKitStyle::setBackgroundColor(m_synopsisView, Qt::white);
    m_synopsisView->setText(selectsMovie->content);
}

void QMToPlayInfoViewController::showCinemasOnMap()
{
    if (QMNavigationController *stack = navigationController())
        stack->push(QMMapViewController::forCinemas(m_cinemaArray), true);
}
