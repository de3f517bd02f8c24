#include "app/QMTour.h"

#include "app/QMMainAppDelegate.h"
#include "cinemas/Mpi.h"
#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMDistrictChooser.h"
#include "cinemas/QMMapViewController.h"
#include "cinemas/QmCinemaInfoViewController.h"
#include "comments/Comment.h"
#include "comments/QMCommentInfoViewController.h"
#include "comments/QMCommentRow.h"
#include "comments/QMCommentRows.h"
#include "comments/QMCommentThreadView.h"
#include "comments/QMCommentWriteViewController.h"
#include "films/MovieList.h"
#include "films/QMFutureMovieListViewController.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/QMToPlayListViewController.h"
#include "films/Simplemovie.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMLabel.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPickerView.h"
#include "kit/QMReadingTextView.h"
#include "kit/QMScrollView.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTableView.h"
#include "kit/QMTextField.h"
#include "kit/QMTextView.h"
#include "kit/QMWindow.h"
#include "members/MemberCache.h"
#include "members/QMAccostView.h"
#include "members/QMAreaSwitcher.h"
#include "members/QMAttentionListView.h"
#include "members/QMCommentFeedView.h"
#include "members/QMLoginViewController.h"
#include "members/QMMemberPanel.h"
#include "members/QMMyAttentionView.h"
#include "members/QMMyLiveView.h"
#include "members/QMMyPublishView.h"
#include "members/QMMyQuelmaViewController.h"
#include "members/QMMySayInfoView.h"
#include "members/QMPizzaListView.h"
#include "members/QMPizzaMapView.h"
#include "members/QMResponsionListView.h"
#include "members/QMTransshipmentView.h"
#include "members/QMUpdatePhoneView.h"
#include "members/QMUserSayView.h"
#include "members/QMUserSetView.h"
#include "members/QMUserView.h"
#include "members/QMWhatIDoingView.h"
#include "services/QMImageCache.h"
#include "ticketing/QMMovieBuyTicketViewController.h"
#include "ticketing/QMMovieConfirmPewViewController.h"
#include "ticketing/QMMovieSelectPewViewController.h"
#include "ticketing/QMSeatsView.h"

#include <QDir>

namespace {
// The demo member of the service.
const QString kDemoUser = QStringLiteral("demo@example.com");
const QString kDemoPassword = QStringLiteral("demo123");
// Long enough for a slide (0.3 s) or a fade to end before the picture is taken.
constexpr int kSlideMs = 450;
enum Tab { FilmsTab = 0, CinemasTab = 1, MemberTab = 2 };
} // namespace

const QMTour::Step QMTour::kSteps[] = {
    {"shelf", &QMTour::shelf},
    {"coming-soon", &QMTour::comingSoon},
    {"coming-soon-film", &QMTour::comingSoonFilm},
    {"film-details", &QMTour::filmDetails},
    {"sign-in", &QMTour::signIn},
    {"comment-write", &QMTour::commentWrite},
    {"comment-details", &QMTour::commentDetails},
    {"film-synopsis", &QMTour::filmSynopsis},
    {"map-many", &QMTour::mapOfCinemas},
    {"film-cinemas", &QMTour::filmCinemas},
    {"schedule", &QMTour::schedule},
    {"screening", &QMTour::screening},
    {"seat-map", &QMTour::seatMap},
    {"order", &QMTour::order},
    {"cinemas-near", &QMTour::cinemasNear},
    {"district-picker", &QMTour::districtPicker},
    {"cinema-details", &QMTour::cinemaDetails},
    {"cinema-description", &QMTour::cinemaDescription},
    {"map-one", &QMTour::mapOfOneCinema},
    {"member-square", &QMTour::square},
    {"member-square-list", &QMTour::squareList},
    {"member-post", &QMTour::post},
    {"member-reply", &QMTour::reply},
    {"member-repost", &QMTour::repost},
    {"member-page", &QMTour::memberPage},
    {"member-say", &QMTour::sayToMember},
    {"member-posts", &QMTour::memberPosts},
    {"member-follows", &QMTour::memberFollows},
    {"member-feed", &QMTour::interestFeed},
    {"member-status", &QMTour::status},
    {"member-replies-sent", &QMTour::repliesSent},
    {"member-replies-received", &QMTour::repliesReceived},
    {"member-replies-at", &QMTour::repliesAt},
    {"member-settings", &QMTour::settings},
    {"member-phone", &QMTour::phone},
    {"member-plans", &QMTour::plans},
};

QMTour::QMTour(QMMainAppDelegate *application, const QString &directory, QObject *parent)
    : QObject(parent)
    , m_application(application)
    , m_directory(directory)
    , m_hand(application ? application->window() : nullptr)
{}

QMTour::~QMTour() = default;

QStringList QMTour::screenNames()
{
    QStringList names;
    for (const Step &step : kSteps)
        names.append(QString::fromLatin1(step.name));
    return names;
}

QString QMTour::fileName(int index)
{
    return QStringLiteral("%1-%2.png")
        .arg(index + 1, 2, 10, QLatin1Char('0'))
        .arg(screenNames().value(index));
}

bool QMTour::run()
{
    m_failedScreen.clear();
    m_failure.clear();
    if (!QDir().mkpath(m_directory)) {
        m_failure = QStringLiteral("cannot make the directory %1").arg(m_directory);
        return false;
    }
    if (QWidget *shown = window())
        shown->activateWindow();
    const QDir out(m_directory);
    int index = 0;
    for (const Step &step : kSteps) {
        const QString name = QString::fromLatin1(step.name);
        const bool reached = (this->*step.reach)() && settled();
        if (!reached || !window()) {
            m_failedScreen = name;
            if (m_failure.isEmpty())
                m_failure = QStringLiteral("it did not come");
            return false;
        }
        emit screenReached(name, window());
        const QString file = out.filePath(fileName(index++));
        if (!m_application->window()->saveScreenshot(file)) {
            m_failedScreen = name;
            m_failure = QStringLiteral("cannot write %1").arg(file);
            return false;
        }
    }
    return true;
}

// Films ------------------------------------------------------------------------------------

bool QMTour::shelf()
{
    if (!waitFor([this] { return m_application && !m_application->loadingView(); },
                 "the launch cover to go"))
        return false;
    QMMovieViewController *films = m_application->movieViewController();
    QMMovieOpenFlowView *shelf = films ? films->shelfView() : nullptr;
    if (!shelf)
        return fail(QStringLiteral("no shelf"));
    // The centred film's poster and its neighbours' come through the picture cache.
    return waitFor(
        [shelf] {
            const QList<std::shared_ptr<Simplemovie>> &films = shelf->movieArray();
            const int centre = shelf->openFlowView()->selectedCover();
            if (centre < 0 || centre >= films.size())
                return false;
            const auto entries = QMImageCache::defaultCache()->indexEntries();
            return std::any_of(entries.begin(), entries.end(), [&](const auto &entry) {
                return entry.first == films[centre]->smalllogo;
            });
        },
        "the posters of the shelf");
}

bool QMTour::comingSoon()
{
    if (!tap(m_application->movieViewController()->navigationItem()->rightBarButton(),
             "the coming-soon button"))
        return false;
    return waitFor(
        [this] {
            auto *list = top<QMToPlayListViewController>(FilmsTab);
            return list && !list->movieArray().isEmpty() && list->tableView()->cellForRow(0);
        },
        "the films coming soon");
}

bool QMTour::comingSoonFilm()
{
    auto *list = top<QMToPlayListViewController>(FilmsTab);
    if (!tap(list->tableView()->cellForRow(0), "the first film coming soon"))
        return false;
    return waitFor(
        [this] {
            auto *film = top<QMFutureMovieListViewController>(FilmsTab);
            return film && !film->synopsisLabel()->text().isEmpty();
        },
        "the synopsis of the film coming soon");
}

bool QMTour::filmDetails()
{
    if (!goBack(FilmsTab) || !goBack(FilmsTab))
        return false;
    TPOpenFlowView *covers = m_application->movieViewController()->shelfView()->openFlowView();
    if (!tap(covers, "the centred film"))
        return false;
    return waitFor(
        [this] {
            auto *details = top<QMToPlayInfoViewController>(FilmsTab);
            return details && details->cinemaCountLabel() && !details->commentArray().isEmpty();
        },
        "the film's cinemas and comments");
}

bool QMTour::signIn()
{
    // Signed out, the comment button asks for a member first.
    if (!tap(top<QMToPlayInfoViewController>(FilmsTab)->commentButton(), "the comment button"))
        return false;
    if (!waitFor([this] { return top<QMLoginViewController>(FilmsTab); }, "the sign-in screen"))
        return false;
    m_hand.pause(kSlideMs);
    QMLoginViewController *login = top<QMLoginViewController>(FilmsTab);
    if (!tap(login->userNameField(), "the user name"))
        return false;
    m_hand.selectAll();
    m_hand.type(kDemoUser);
    if (!tap(login->passwordField(), "the password"))
        return false;
    m_hand.selectAll();
    m_hand.type(kDemoPassword);
    return waitFor(
        [login] {
            return login->userNameField()->text() == kDemoUser &&
                   login->passwordField()->text() == kDemoPassword;
        },
        "the demo member's name and password typed");
}

bool QMTour::commentWrite()
{
    if (!tap(top<QMLoginViewController>(FilmsTab)->loginButton(), "the sign-in button"))
        return false;
    if (!waitFor(
            [this] {
                return !QMAlertView::visibleAlerts().isEmpty() ||
                       (sheet() &&
                        qobject_cast<QMCommentWriteViewController *>(sheet()->topViewController()));
            },
            "the comment sheet after signing in"))
        return false;
    if (!QMAlertView::visibleAlerts().isEmpty())
        return fail(QStringLiteral("signing in: ") +
                    QMAlertView::visibleAlerts().last()->message());
    m_hand.pause(kSlideMs);
    auto *writer = qobject_cast<QMCommentWriteViewController *>(sheet()->topViewController());
    if (!tap(writer->textView()->viewport(), "the comment's text"))
        return false;
    m_hand.type(QStringLiteral("画面很美，配乐动人，值得二刷。"));
    return waitFor([writer] { return !writer->commentText().isEmpty(); }, "the comment typed");
}

bool QMTour::commentDetails()
{
    // The comment is not sent: the tour writes nothing into the service's films.
    auto *writer = qobject_cast<QMCommentWriteViewController *>(sheet()->topViewController());
    if (!tap(writer->navigationItem()->rightBarButton(), "the comment sheet's return"))
        return false;
    if (!waitFor([this] { return !sheet(); }, "the comment sheet to close"))
        return false;
    m_hand.pause(kSlideMs); // the sheet sinks out of sight
    auto *details = top<QMToPlayInfoViewController>(FilmsTab);
    auto *first = qobject_cast<QMCommentRow *>(
        details->tableView()->cellForRow(QMCommentedDetailsViewController::kFirstCommentRow));
    if (!first || !tap(first->textButton(), "the first comment"))
        return false;
    return waitFor(
        [this] {
            auto *comment = top<QMCommentInfoViewController>(FilmsTab);
            return comment && !comment->mySayInfoTableView()->rows().isEmpty();
        },
        "the comment and its replies");
}

bool QMTour::filmSynopsis()
{
    if (!goBack(FilmsTab))
        return false;
    auto *details = top<QMToPlayInfoViewController>(FilmsTab);
    if (!details || !tap(details->synopsisTabButton(), "the synopsis tab"))
        return false;
    return waitFor(
        [details] { return details->synopsisView() && !details->synopsisView()->text().isEmpty(); },
        "the film's synopsis");
}

bool QMTour::mapOfCinemas()
{
    auto *details = top<QMToPlayInfoViewController>(FilmsTab);
    if (!tap(details->scheduleTabButton(), "the schedule tab"))
        return false;
    if (!waitFor([details] { return details->mapButton(); }, "the schedule tab's buttons") ||
        !tap(details->mapButton(), "the map button"))
        return false;
    return waitFor(
        [this] {
            auto *map = top<QMMapViewController>(FilmsTab);
            return map && map->annotationArray().size() > 1;
        },
        "the film's cinemas on the map");
}

bool QMTour::filmCinemas()
{
    if (!goBack(FilmsTab))
        return false;
    if (!tap(top<QMToPlayInfoViewController>(FilmsTab)->cinemasButton(), "the cinemas button"))
        return false;
    return waitFor(
        [this] {
            auto *cinemas = top<QMMoviePlayCinemaViewController>(FilmsTab);
            return cinemas && !cinemas->awaitsFilmList() && !cinemas->cinemaArray().isEmpty() &&
                   cinemas->cinemaTableView()->cellForRow(0);
        },
        "the cinemas showing the film");
}

// Tickets ----------------------------------------------------------------------------------

bool QMTour::schedule()
{
    auto *cinemas = top<QMMoviePlayCinemaViewController>(FilmsTab);
    if (!tap(cinemas->cinemaTableView()->cellForRow(0), "the first cinema"))
        return false;
    if (!waitFor(
            [this] {
                auto *days = top<QMMovieTaxisViewController>(FilmsTab);
                return days && days->shownDay() == days->highlightedDay() && settled();
            },
            "today's screenings"))
        return false;
    // Late in the evening today may have nothing left: tomorrow has.
    auto *days = top<QMMovieTaxisViewController>(FilmsTab);
    const QList<std::shared_ptr<Mpi>> &today = days->playMovieArray();
    if (std::none_of(today.begin(), today.end(),
                     [](const auto &row) { return row && row->open; }) &&
        !tap(days->dayButton(QMMovieTaxisViewController::Tomorrow), "tomorrow"))
        return false;
    return waitFor(
        [days] {
            const QList<std::shared_ptr<Mpi>> &rows = days->playMovieArray();
            return std::any_of(rows.begin(), rows.end(),
                               [](const auto &row) { return row && row->open; });
        },
        "the film's screenings");
}

bool QMTour::screening()
{
    // The first screening sold here (the rows with a tick).
    auto *days = top<QMMovieTaxisViewController>(FilmsTab);
    const QList<std::shared_ptr<Mpi>> &rows = days->playMovieArray();
    const auto sold =
        std::find_if(rows.begin(), rows.end(), [](const auto &row) { return row && row->open; });
    if (sold == rows.end())
        return fail(QStringLiteral("no screening sold through the service"));
    if (!tap(days->tableView()->cellForRow(int(sold - rows.begin())), "a screening sold here"))
        return false;
    return waitFor(
        [this] {
            auto *choice = top<QMMovieBuyTicketViewController>(FilmsTab);
            return choice && choice->buyButton() && !choice->priceLabel()->text().isEmpty();
        },
        "the screening and its prices");
}

bool QMTour::seatMap()
{
    if (!tap(top<QMMovieBuyTicketViewController>(FilmsTab)->buyButton(), "the buy button"))
        return false;
    QMMovieSelectPewViewController *seats = nullptr;
    if (!waitFor(
            [this, &seats] {
                seats = top<QMMovieSelectPewViewController>(FilmsTab);
                return seats && !seats->seatsView()->seatButtonArray().empty();
            },
            "the hall's seats"))
        return false;
    m_hand.pause(kSlideMs);
    // Two free seats in sight, side by side when the hall allows.
    const QRect inSight(seats->seatScrollView()->mapTo(window(), QPoint()),
                        seats->seatScrollView()->size());
    int chosen = 0;
    for (const QMSeatButton &seat : seats->seatsView()->seatButtonArray()) {
        const QRect frame(seats->seatsView()->mapTo(window(), seat.frame().topLeft()),
                          seat.frame().size());
        if (chosen == 2 || !seat.isSelectable() || !inSight.contains(frame))
            continue;
        const int before = int(seats->selectSeats().size());
        m_hand.tapAt(frame.center());
        if (seats->selectSeats().size() > before)
            ++chosen;
    }
    if (chosen < 2)
        return fail(QStringLiteral("fewer than two free seats in sight"));
    return waitFor([seats] { return !seats->selectionLabel()->text().isEmpty(); },
                   "the two seats listed");
}

bool QMTour::order()
{
    if (!tap(top<QMMovieSelectPewViewController>(FilmsTab)->confirmButton(), "the seats' OK"))
        return false;
    if (!waitFor([this] { return top<QMMovieConfirmPewViewController>(FilmsTab); }, "the order"))
        return false;
    m_hand.pause(kSlideMs);
    // The number is typed but the order not sent: nothing is bought.
    auto *order = top<QMMovieConfirmPewViewController>(FilmsTab);
    if (!tap(order->phoneText(), "the mobile number"))
        return false;
    m_hand.type(QStringLiteral("13812345678"));
    return waitFor([order] { return !order->phoneText()->text().isEmpty(); },
                   "the mobile number typed");
}

// Cinemas ----------------------------------------------------------------------------------

bool QMTour::cinemasNear()
{
    if (!tapTab(CinemasTab))
        return false;
    return waitFor(
        [this] {
            auto *cinemas = top<QMCinemaViewController>(CinemasTab);
            return cinemas && !cinemas->cinemaArray().isEmpty() &&
                   cinemas->cinemaTableView()->cellForRow(0);
        },
        "the cinemas near");
}

bool QMTour::districtPicker()
{
    auto *cinemas = top<QMCinemaViewController>(CinemasTab);
    if (!tap(cinemas->districtButton(), "the district button"))
        return false;
    return waitFor(
        [cinemas] {
            QMDistrictChooser *chooser = cinemas->districtChooser();
            return chooser && chooser->pickerView() && chooser->pickerView()->isInWindow() &&
                   !chooser->districtDictionary().isEmpty();
        },
        "the districts on the wheel");
}

bool QMTour::cinemaDetails()
{
    auto *cinemas = top<QMCinemaViewController>(CinemasTab);
    QMPickerView *picker = cinemas->districtChooser()->pickerView();
    if (!tap(picker->cancelButton(), "the picker's cancel"))
        return false;
    if (!waitFor([picker] { return !picker->isInWindow(); }, "the picker to go") ||
        !tap(cinemas->cinemaTableView()->cellForRow(0), "the nearest cinema"))
        return false;
    return waitFor(
        [this] {
            auto *cinema = top<QmCinemaInfoViewController>(CinemasTab);
            return cinema && !cinema->mpiArray().isEmpty() && cinema->filmStrip();
        },
        "the cinema's films");
}

bool QMTour::cinemaDescription()
{
    auto *cinema = top<QmCinemaInfoViewController>(CinemasTab);
    if (!tap(cinema->infoTabButton(), "the description tab"))
        return false;
    return waitFor(
        [cinema] {
            return cinema->cinemaInfoView() && !cinema->cinemaInfoView()->text().isEmpty();
        },
        "the cinema's description");
}

bool QMTour::mapOfOneCinema()
{
    auto *cinema = top<QmCinemaInfoViewController>(CinemasTab);
    if (!tap(cinema->onplayTabButton(), "the films tab") ||
        !waitFor([cinema] { return cinema->mapButton(); }, "the map button") ||
        !tap(cinema->mapButton(), "the map button"))
        return false;
    return waitFor(
        [this] {
            auto *map = top<QMMapViewController>(CinemasTab);
            return map && map->annotationArray().size() == 1;
        },
        "the cinema on the map");
}

// The member area --------------------------------------------------------------------------

bool QMTour::square()
{
    if (!tapTab(MemberTab))
        return false;
    return waitFor(
        [this] {
            QMMyQuelmaViewController *hub = this->hub();
            return hub && stack(MemberTab)->topViewController() == hub &&
                   hub->frontSection() == hub->pizzaMapView() &&
                   !hub->pizzaMapView()->annotationArray().isEmpty();
        },
        "the members nearby on the map");
}

bool QMTour::squareList()
{
    QMPizzaMapView *map = hub()->pizzaMapView();
    if (!tap(map->listButton(), "the list button"))
        return false;
    return waitFor(
        [map] {
            QMPizzaListView *list = map->pizzaListView();
            return list && !list->pizzaListArray().isEmpty() && list->tableView()->cellForRow(0);
        },
        "the square's posts");
}

bool QMTour::post()
{
    QMPizzaListView *list = hub()->pizzaMapView()->pizzaListView();
    auto *first = qobject_cast<QMCommentRow *>(list->tableView()->cellForRow(0));
    if (!first || !tap(first->textButton(), "the first post's text"))
        return false;
    return waitForPage(
        [this] {
            auto *post = page<QMMySayInfoView>();
            return post && post->selectComment;
        },
        "the post and its replies");
}

bool QMTour::reply()
{
    if (!tap(page<QMMySayInfoView>()->mySayInfoTableView()->accostButton(), "搭话"))
        return false;
    if (!waitForPage([this] { return page<QMAccostView>(); }, "the reply page"))
        return false;
    // Typed, not sent.
    if (!tap(page<QMAccostView>()->textView()->viewport(), "the reply's text"))
        return false;
    m_hand.type(QStringLiteral("同感！周末一起去看吗？"));
    return true;
}

bool QMTour::repost()
{
    if (!leavePage())
        return false;
    if (!tap(page<QMMySayInfoView>()->mySayInfoTableView()->transshipmentButton(), "转载"))
        return false;
    return waitForPage([this] { return page<QMTransshipmentView>(); }, "the re-post page");
}

bool QMTour::memberPage()
{
    if (!leavePage() || !leavePage())
        return false;
    // Somebody else's page: the follow buttons and "对Ta说" show only there.
    QMPizzaListView *list = hub()->pizzaMapView()->pizzaListView();
    const QString me = hub()->selectMember ? hub()->selectMember->memberid : QString();
    QMCommentRow *row = nullptr;
    for (const int visible : list->tableView()->visibleRows()) {
        if (visible < list->pizzaListArray().size() &&
            list->pizzaListArray()[visible]->memberid != me) {
            row = qobject_cast<QMCommentRow *>(list->tableView()->cellForRow(visible));
            break;
        }
    }
    if (!row || !tap(row->headButton(), "another member's head picture"))
        return false;
    return waitForPage(
        [this] {
            auto *member = page<QMUserView>();
            return member && member->isLoginView() && member->isLoginView()->isVisible() &&
                   !member->sexLabel()->text().isEmpty();
        },
        "the member's profile");
}

bool QMTour::sayToMember()
{
    if (!tap(page<QMUserView>()->sayInfoButton(), "对Ta说"))
        return false;
    return waitForPage([this] { return page<QMUserSayView>(); }, "the page to write to a member");
}

bool QMTour::memberPosts()
{
    if (!leavePage())
        return false;
    if (!tap(page<QMUserView>()->userInfoTableView()->cellForRow(0), "Ta发表的"))
        return false;
    return waitForPage(
        [this] {
            auto *posts = page<QMMyPublishView>();
            return posts && !posts->myPublishArray().isEmpty();
        },
        "the member's posts");
}

bool QMTour::memberFollows()
{
    if (!leavePage())
        return false;
    if (!tap(page<QMUserView>()->userInfoTableView()->cellForRow(1), "Ta关注的"))
        return false;
    return waitForPage([this] { return page<QMMyAttentionView>(); }, "the member's follows");
}

bool QMTour::interestFeed()
{
    if (!leavePage() || !leavePage())
        return false;
    if (!waitFor([this] { return !QMMemberPanel::topPanel(window()); }, "the pages to close") ||
        !tap(hub()->attentionButton(), "与我相关"))
        return false;
    return waitFor([this] { return hub()->frontSection() == hub()->attentionListView(); },
                   "the interest feed");
}

bool QMTour::status()
{
    if (!tap(hub()->attentionListView()->whatIDoingButton(), "你在干嘛"))
        return false;
    return waitForPage([this] { return page<QMWhatIDoingView>(); }, "the status page");
}

bool QMTour::repliesSent()
{
    if (!leavePage())
        return false;
    if (!waitFor([this] { return !QMMemberPanel::topPanel(window()); }, "the status page to go") ||
        !tap(hub()->restoreButton(), "叽来喳去"))
        return false;
    return waitFor(
        [this] {
            QMResponsionListView *replies = hub()->responsionListView();
            return hub()->frontSection() == replies &&
                   !replies->listAt(QMResponsionListView::SendPage)->commentArray().isEmpty();
        },
        "the replies sent");
}

bool QMTour::repliesReceived()
{
    QMResponsionListView *replies = hub()->responsionListView();
    if (!tap(replies->rightButton(), "the next list"))
        return false;
    return waitFor(
        [replies] { return replies->currentPage() == QMResponsionListView::ReceivePage; },
        "the replies received");
}

bool QMTour::repliesAt()
{
    QMResponsionListView *replies = hub()->responsionListView();
    if (!tap(replies->rightButton(), "the next list"))
        return false;
    return waitFor([replies] { return replies->currentPage() == QMResponsionListView::AtPage; },
                   "the replies about the member");
}

bool QMTour::settings()
{
    if (!tap(hub()->setButton(), "设置"))
        return false;
    return waitFor(
        [this] {
            QMUserSetView *settings = hub()->userSetView();
            return hub()->frontSection() == settings && settings->memberInfo();
        },
        "the member's profile");
}

bool QMTour::phone()
{
    QMUserSetView *settings = hub()->userSetView();
    if (!tap(settings->updatePhoneButton(), "the mobile number's button"))
        return false;
    if (!waitFor(
            [settings] {
                return settings->updatePhoneView() &&
                       settings->updatePhoneView()->pos() == QPoint(0, 0);
            },
            "the mobile number page"))
        return false;
    // Typed, not sent.
    if (!tap(settings->updatePhoneView()->phoneText(), "the new mobile number"))
        return false;
    m_hand.type(QStringLiteral("13612345678"));
    return true;
}

bool QMTour::plans()
{
    QMUserSetView *settings = hub()->userSetView();
    QPointer<QMUpdatePhoneView> editor = settings->updatePhoneView();
    if (!tap(editor->cancelButton(), "放弃修改") ||
        !waitFor([editor] { return !editor; }, "the mobile number page to go"))
        return false;
    if (!tap(hub()->liveButton(), "我的生活"))
        return false;
    return waitFor([this] { return hub()->frontSection() == hub()->myLiveView(); },
                   "the member's plans");
}

// How the tour gets about -------------------------------------------------------------------

bool QMTour::waitFor(const std::function<bool()> &ready, const char *what)
{
    if (QMTourHand::waitFor([this, &ready] { return m_application && window() && ready(); },
                            m_timeoutMs))
        return true;
    return fail(QStringLiteral("waited in vain for %1").arg(QString::fromUtf8(what)));
}

bool QMTour::settled()
{
    const auto quiet = [this] {
        if (!window())
            return false;
        const QList<QMActivityIndicatorView *> spinners =
            window()->findChildren<QMActivityIndicatorView *>();
        return std::none_of(spinners.begin(), spinners.end(), [](const auto *spinner) {
            return spinner->isVisible() && spinner->isAnimating();
        });
    };
    m_hand.pause(kSlideMs);
    if (!QMTourHand::waitFor(quiet, m_timeoutMs))
        return fail(QStringLiteral("a busy indicator kept turning"));
    if (!QMAlertView::visibleAlerts().isEmpty())
        return fail(QStringLiteral("an alert: ") + QMAlertView::visibleAlerts().last()->message());
    return true;
}

bool QMTour::fail(const QString &why)
{
    if (m_failure.isEmpty())
        m_failure = why;
    return false;
}

bool QMTour::tap(const QWidget *widget, const char *what)
{
    if (m_hand.tap(widget))
        return true;
    return fail(QStringLiteral("%1 is not on the screen").arg(QString::fromUtf8(what)));
}

bool QMTour::tapTab(int index)
{
    QMTabBar *bar = m_application->tabController()->tabBar();
    if (!m_hand.tapAt(bar->mapTo(window(), bar->itemRect(index).center())))
        return fail(QStringLiteral("the tab bar is not on the screen"));
    return waitFor(
        [this, index] { return m_application->tabController()->selectedIndex() == index; },
        "the tab");
}

bool QMTour::goBack(int tab)
{
    QMNavigationController *onTab = stack(tab);
    const QMViewController *leaving = onTab->topViewController();
    if (!tap(onTab->navigationBar()->backButton(), "the back button"))
        return false;
    return waitFor(
        [onTab, leaving] {
            return onTab->topViewController() != leaving && !onTab->isTransitioning();
        },
        "the screen below");
}

bool QMTour::leavePage()
{
    QPointer<QMMemberPanel> leaving = QMMemberPanel::topPanel(window());
    if (!leaving || !tap(leaving->returnButton(), "the page's return"))
        return false;
    return waitFor([leaving] { return !leaving; }, "the page to go");
}

QMNavigationController *QMTour::stack(int tab) const
{
    return qobject_cast<QMNavigationController *>(
        m_application->tabController()->viewControllers().value(tab));
}

QMViewController *QMTour::topOf(int tab) const
{
    QMNavigationController *onTab = stack(tab);
    return onTab && !onTab->isTransitioning() ? onTab->topViewController() : nullptr;
}

QMNavigationController *QMTour::sheet() const
{
    return qobject_cast<QMNavigationController *>(
        m_application->tabController()->modalViewController());
}

QMMyQuelmaViewController *QMTour::hub() const
{
    return m_application->myQuelmaViewController();
}

template<class Page> Page *QMTour::page() const
{
    return qobject_cast<Page *>(QMMemberPanel::topPanel(window()));
}

bool QMTour::waitForPage(const std::function<bool()> &isPage, const char *what)
{
    // A page counts once it has slid or risen into place.
    return waitFor(
        [this, &isPage] {
            const QMMemberPanel *top = QMMemberPanel::topPanel(window());
            return top && top->pos() == QMMemberPanel::kFrame.topLeft() && isPage();
        },
        what);
}

QWidget *QMTour::window() const
{
    return m_application ? m_application->window() : nullptr;
}
