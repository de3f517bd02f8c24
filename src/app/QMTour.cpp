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

#include <cstdio>
#include <iterator>

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
    if (!window()) {
        m_failure = QStringLiteral("the client has no window");
        return false;
    }
    if (!QDir().mkpath(m_directory)) {
        m_failure = QStringLiteral("cannot make the directory %1").arg(m_directory);
        return false;
    }
    window()->activateWindow();
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

int QMTour::runAndReport()
{
    if (run()) {
        std::printf("tour: %lld screens saved in %s\n", static_cast<long long>(std::size(kSteps)),
                    qPrintable(m_directory));
        return 0;
    }
    if (m_failedScreen.isEmpty())
        std::fprintf(stderr, "tour: %s\n", qPrintable(m_failure));
    else
        std::fprintf(stderr, "tour: cannot reach the screen \"%s\": %s\n",
                     qPrintable(m_failedScreen), qPrintable(m_failure));
    return 3;
}

// Films ------------------------------------------------------------------------------------

bool QMTour::shelf()
{
    if (!waitFor([this] { return !m_application->loadingView(); }, "the launch cover to go"))
        return false;
    QMMovieOpenFlowView *shelf = m_application->movieViewController()->shelfView();
    if (!shelf)
        return fail(QStringLiteral("the films tab shows no shelf"));
    // The centred film's poster has come through the picture cache.
    const auto posterCame = [shelf] {
        const QList<std::shared_ptr<Simplemovie>> &films = shelf->movieArray();
        const int centre = shelf->openFlowView()->selectedCover();
        if (centre < 0 || centre >= films.size())
            return false;
        const auto entries = QMImageCache::defaultCache()->indexEntries();
        return std::any_of(entries.begin(), entries.end(), [&](const auto &entry) {
            return entry.first == films[centre]->smalllogo;
        });
    };
    return waitFor(posterCame, "the poster of the centred film");
}

bool QMTour::comingSoon()
{
    return tap(m_application->movieViewController()->navigationItem()->rightBarButton(),
               "即将上映") &&
           waitFor(
               [this] {
                   auto *list = top<QMToPlayListViewController>(FilmsTab);
                   return list && list->tableView()->cellForRow(0);
               },
               "the films coming soon");
}

bool QMTour::comingSoonFilm()
{
    auto *list = onTop<QMToPlayListViewController>(FilmsTab);
    return list && tap(list->tableView()->cellForRow(0), "the first film coming soon") &&
           waitFor(
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
    return tap(m_application->movieViewController()->shelfView()->openFlowView(),
               "the centred film") &&
           waitFor(
               [this] {
                   auto *details = top<QMToPlayInfoViewController>(FilmsTab);
                   return details && details->cinemaCountLabel() &&
                          !details->commentArray().isEmpty();
               },
               "the film's cinemas and comments");
}

bool QMTour::signIn()
{
    // Signed out, the comment button asks for a member first.
    auto *details = onTop<QMToPlayInfoViewController>(FilmsTab);
    if (!details || !tap(details->commentButton(), "写评论") ||
        !waitFor([this] { return top<QMLoginViewController>(FilmsTab); }, "the sign-in screen"))
        return false;
    m_hand.pause(kSlideMs);
    auto *login = top<QMLoginViewController>(FilmsTab);
    return type(login->userNameField(), kDemoUser, "the user name") &&
           type(login->passwordField(), kDemoPassword, "the password");
}

bool QMTour::commentWrite()
{
    auto *login = onTop<QMLoginViewController>(FilmsTab);
    if (!login || !tap(login->loginButton(), "登录") ||
        !waitFor([this] { return writer(); }, "the comment sheet after signing in"))
        return false;
    m_hand.pause(kSlideMs);
    // Typed, never sent: the tour writes nothing into the service.
    return type(writer()->textView(), QStringLiteral("画面很美，配乐动人，值得二刷。"),
                "the comment's text");
}

bool QMTour::commentDetails()
{
    if (!tap(writer()->navigationItem()->rightBarButton(), "the comment sheet's 返回") ||
        !waitFor([this] { return !sheet(); }, "the comment sheet to close"))
        return false;
    m_hand.pause(kSlideMs); // the sheet sinks out of sight
    auto *details = onTop<QMToPlayInfoViewController>(FilmsTab);
    auto *first = details ? qobject_cast<QMCommentRow *>(details->tableView()->cellForRow(
                                QMCommentedDetailsViewController::kFirstCommentRow))
                          : nullptr;
    return first && tap(first->textButton(), "the first comment") &&
           waitFor(
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
    auto *details = onTop<QMToPlayInfoViewController>(FilmsTab);
    return details && tap(details->synopsisTabButton(), "剧情介绍") &&
           waitFor(
               [details] {
                   return details->synopsisView() && !details->synopsisView()->text().isEmpty();
               },
               "the film's synopsis");
}

bool QMTour::mapOfCinemas()
{
    auto *details = onTop<QMToPlayInfoViewController>(FilmsTab);
    return details && tap(details->scheduleTabButton(), "上映影院") &&
           waitFor([details] { return details->mapButton(); }, "the schedule tab") &&
           tap(details->mapButton(), "影院地图") &&
           waitFor(
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
    auto *details = onTop<QMToPlayInfoViewController>(FilmsTab);
    return details && tap(details->cinemasButton(), "选择影院购票") &&
           waitFor(
               [this] {
                   auto *cinemas = top<QMMoviePlayCinemaViewController>(FilmsTab);
                   return cinemas && !cinemas->awaitsFilmList() &&
                          cinemas->cinemaTableView()->cellForRow(0);
               },
               "the cinemas showing the film");
}

// Tickets ----------------------------------------------------------------------------------

bool QMTour::schedule()
{
    auto *cinemas = onTop<QMMoviePlayCinemaViewController>(FilmsTab);
    if (!cinemas || !tap(cinemas->cinemaTableView()->cellForRow(0), "the first cinema") ||
        !waitFor(
            [this] {
                auto *days = top<QMMovieTaxisViewController>(FilmsTab);
                return days && days->shownDay() == days->highlightedDay() && isQuiet();
            },
            "today's screenings"))
        return false;
    // Late in the evening nothing may be sold today any more: tomorrow is.
    auto *days = top<QMMovieTaxisViewController>(FilmsTab);
    if (soldRow(days) < 0 &&
        !tap(days->dayButton(QMMovieTaxisViewController::Tomorrow), "tomorrow"))
        return false;
    return waitFor([days] { return soldRow(days) >= 0; }, "screenings sold here");
}

bool QMTour::screening()
{
    // The first screening with a tick: the ones sold through the service.
    auto *days = onTop<QMMovieTaxisViewController>(FilmsTab);
    return days && tap(days->tableView()->cellForRow(soldRow(days)), "a screening sold here") &&
           waitFor(
               [this] {
                   auto *choice = top<QMMovieBuyTicketViewController>(FilmsTab);
                   return choice && choice->buyButton();
               },
               "the screening's 立即购票");
}

bool QMTour::seatMap()
{
    auto *choice = onTop<QMMovieBuyTicketViewController>(FilmsTab);
    if (!choice || !tap(choice->buyButton(), "立即购票") ||
        !waitFor(
            [this] {
                auto *seats = top<QMMovieSelectPewViewController>(FilmsTab);
                return seats && !seats->seatsView()->seatButtonArray().empty();
            },
            "the hall's seats"))
        return false;
    m_hand.pause(kSlideMs);
    // The first two free seats in sight.
    auto *seats = top<QMMovieSelectPewViewController>(FilmsTab);
    const QRect inSight(seats->seatScrollView()->mapTo(window(), QPoint()),
                        seats->seatScrollView()->size());
    for (const QMSeatButton &seat : seats->seatsView()->seatButtonArray()) {
        const QRect frame(seats->seatsView()->mapTo(window(), seat.frame().topLeft()),
                          seat.frame().size());
        if (seats->selectSeats().size() < 2 && seat.isSelectable() && inSight.contains(frame))
            m_hand.tapAt(frame.center());
    }
    if (seats->selectSeats().size() < 2)
        return fail(QStringLiteral("fewer than two free seats in sight"));
    return true;
}

bool QMTour::order()
{
    auto *seats = onTop<QMMovieSelectPewViewController>(FilmsTab);
    if (!seats || !tap(seats->confirmButton(), "确认选座") ||
        !waitFor([this] { return top<QMMovieConfirmPewViewController>(FilmsTab); }, "the order"))
        return false;
    m_hand.pause(kSlideMs);
    // The number is typed but the order never sent: nothing is bought.
    return type(top<QMMovieConfirmPewViewController>(FilmsTab)->phoneText(),
                QStringLiteral("13812345678"), "the mobile number");
}

// Cinemas ----------------------------------------------------------------------------------

bool QMTour::cinemasNear()
{
    return tapTab(CinemasTab) && waitFor(
                                     [this] {
                                         auto *cinemas = top<QMCinemaViewController>(CinemasTab);
                                         return cinemas &&
                                                cinemas->cinemaTableView()->cellForRow(0);
                                     },
                                     "the cinemas near");
}

bool QMTour::districtPicker()
{
    auto *cinemas = onTop<QMCinemaViewController>(CinemasTab);
    return cinemas && tap(cinemas->districtButton(), "选择区域") &&
           waitFor(
               [cinemas] {
                   QMDistrictChooser *chooser = cinemas->districtChooser();
                   return chooser && chooser->pickerView() && chooser->pickerView()->isInWindow() &&
                          !chooser->districtDictionary().isEmpty();
               },
               "the districts on the wheel");
}

bool QMTour::cinemaDetails()
{
    auto *cinemas = onTop<QMCinemaViewController>(CinemasTab);
    QMPickerView *picker = cinemas ? cinemas->districtChooser()->pickerView() : nullptr;
    return picker && tap(picker->cancelButton(), "取消") &&
           waitFor([picker] { return !picker->isInWindow(); }, "the wheel to go") &&
           tap(cinemas->cinemaTableView()->cellForRow(0), "the nearest cinema") &&
           waitFor(
               [this] {
                   auto *cinema = top<QmCinemaInfoViewController>(CinemasTab);
                   return cinema && cinema->filmStrip() && !cinema->mpiArray().isEmpty();
               },
               "the cinema's films");
}

bool QMTour::cinemaDescription()
{
    auto *cinema = onTop<QmCinemaInfoViewController>(CinemasTab);
    return cinema && tap(cinema->infoTabButton(), "影院介绍") &&
           waitFor(
               [cinema] {
                   return cinema->cinemaInfoView() && !cinema->cinemaInfoView()->text().isEmpty();
               },
               "the cinema's description");
}

bool QMTour::mapOfOneCinema()
{
    auto *cinema = onTop<QmCinemaInfoViewController>(CinemasTab);
    return cinema && tap(cinema->onplayTabButton(), "正在上映") &&
           waitFor([cinema] { return cinema->mapButton(); }, "the films tab") &&
           tap(cinema->mapButton(), "地图") &&
           waitFor(
               [this] {
                   auto *map = top<QMMapViewController>(CinemasTab);
                   return map && map->annotationArray().size() == 1;
               },
               "the cinema on the map");
}

// The member area --------------------------------------------------------------------------

bool QMTour::square()
{
    return tapTab(MemberTab) && waitFor(
                                    [this] {
                                        QMMyQuelmaViewController *hub = this->hub();
                                        return topOf(MemberTab) == hub &&
                                               hub->frontSection() == hub->pizzaMapView() &&
                                               !hub->pizzaMapView()->annotationArray().isEmpty();
                                    },
                                    "the members nearby on the map");
}

bool QMTour::squareList()
{
    QMPizzaMapView *map = hub()->pizzaMapView();
    return tap(map->listButton(), "列表模式") &&
           waitFor(
               [map] {
                   return map->pizzaListView() && map->pizzaListView()->tableView()->cellForRow(0);
               },
               "the square's posts");
}

bool QMTour::post()
{
    QMPizzaListView *list = hub()->pizzaMapView()->pizzaListView();
    auto *first = list ? qobject_cast<QMCommentRow *>(list->tableView()->cellForRow(0)) : nullptr;
    return first && tap(first->textButton(), "the first post") &&
           waitForPage(
               [this] {
                   auto *post = page<QMMySayInfoView>();
                   return post && post->selectComment;
               },
               "the post and its replies");
}

bool QMTour::reply()
{
    auto *post = page<QMMySayInfoView>();
    // Typed, never sent.
    return post && tap(post->mySayInfoTableView()->accostButton(), "搭话") &&
           waitForPage([this] { return page<QMAccostView>(); }, "the reply page") &&
           type(page<QMAccostView>()->textView(), QStringLiteral("同感！周末一起去看吗？"),
                "the reply's text");
}

bool QMTour::repost()
{
    if (!leavePage())
        return false;
    auto *post = page<QMMySayInfoView>();
    return post && tap(post->mySayInfoTableView()->transshipmentButton(), "转载") &&
           waitForPage([this] { return page<QMTransshipmentView>(); }, "the re-post page");
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
        if (!row && visible < list->pizzaListArray().size() &&
            list->pizzaListArray()[visible]->memberid != me)
            row = qobject_cast<QMCommentRow *>(list->tableView()->cellForRow(visible));
    }
    return row && tap(row->headButton(), "another member's head picture") &&
           waitForPage(
               [this] {
                   auto *member = page<QMUserView>();
                   return member && member->isLoginView()->isVisible() &&
                          !member->sexLabel()->text().isEmpty();
               },
               "the member's profile");
}

bool QMTour::sayToMember()
{
    auto *member = page<QMUserView>();
    return member && tap(member->sayInfoButton(), "对Ta说") &&
           waitForPage([this] { return page<QMUserSayView>(); }, "the page to write to a member");
}

bool QMTour::memberPosts()
{
    if (!leavePage())
        return false;
    auto *member = page<QMUserView>();
    return member && tap(member->userInfoTableView()->cellForRow(0), "Ta发表的") &&
           waitForPage(
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
    auto *member = page<QMUserView>();
    return member && tap(member->userInfoTableView()->cellForRow(1), "Ta关注的") &&
           waitForPage(
               [this] {
                   auto *follows = page<QMMyAttentionView>();
                   return follows && !follows->myAttentionArray().isEmpty();
               },
               "the member's follows");
}

bool QMTour::interestFeed()
{
    return leavePage() && leavePage() && tap(hub()->attentionButton(), "与我相关") &&
           waitFor(
               [this] {
                   QMAttentionListView *feed = hub()->attentionListView();
                   return hub()->frontSection() == feed && !feed->attentionArray().isEmpty();
               },
               "the interest feed");
}

bool QMTour::status()
{
    return tap(hub()->attentionListView()->whatIDoingButton(), "你在干嘛") &&
           waitForPage([this] { return page<QMWhatIDoingView>(); }, "the status page");
}

bool QMTour::repliesSent()
{
    return leavePage() && tap(hub()->restoreButton(), "叽来喳去") &&
           waitFor(
               [this] {
                   QMResponsionListView *replies = hub()->responsionListView();
                   return hub()->frontSection() == replies &&
                          !replies->listAt(QMResponsionListView::SendPage)
                               ->commentArray()
                               .isEmpty();
               },
               "the replies sent");
}

bool QMTour::repliesReceived()
{
    QMResponsionListView *replies = hub()->responsionListView();
    return tap(replies->rightButton(), "the next list") &&
           waitFor(
               [replies] {
                   return replies->currentPage() == QMResponsionListView::ReceivePage &&
                          !replies->listAt(QMResponsionListView::ReceivePage)
                               ->commentArray()
                               .isEmpty();
               },
               "the replies received");
}

bool QMTour::repliesAt()
{
    QMResponsionListView *replies = hub()->responsionListView();
    return tap(replies->rightButton(), "the next list") &&
           waitFor(
               [replies] {
                   return replies->currentPage() == QMResponsionListView::AtPage &&
                          !replies->listAt(QMResponsionListView::AtPage)->commentArray().isEmpty();
               },
               "the replies naming the member");
}

bool QMTour::settings()
{
    return tap(hub()->setButton(), "设置") &&
           waitFor(
               [this] {
                   QMUserSetView *settings = hub()->userSetView();
                   return hub()->frontSection() == settings && settings->memberInfo();
               },
               "the member's profile");
}

bool QMTour::phone()
{
    QMUserSetView *settings = hub()->userSetView();
    // Typed, never sent.
    return tap(settings->updatePhoneButton(), "修改") &&
           waitFor(
               [settings] {
                   return settings->updatePhoneView() &&
                          settings->updatePhoneView()->pos() == QPoint(0, 0);
               },
               "the mobile number page") &&
           type(settings->updatePhoneView()->phoneText(), QStringLiteral("13612345678"),
                "the new mobile number");
}

bool QMTour::plans()
{
    QPointer<QMUpdatePhoneView> editor = hub()->userSetView()->updatePhoneView();
    return editor && tap(editor->cancelButton(), "放弃修改") &&
           waitFor([editor] { return !editor; }, "the mobile number page to go") &&
           tap(hub()->liveButton(), "我的生活") &&
           waitFor(
               [this] {
                   QMMyLiveView *plans = hub()->myLiveView();
                   return hub()->frontSection() == plans && !plans->myLiveArray().isEmpty();
               },
               "the member's plans");
}

// How the tour gets about -------------------------------------------------------------------

bool QMTour::waitFor(const std::function<bool()> &ready, const char *what)
{
    // An alert will not go by itself: waiting on would only end in the time-out.
    const bool done = QMTourHand::waitFor(
        [&] { return !m_application || !window() || alert() || ready(); }, m_timeoutMs);
    if (!m_application || !window())
        return fail(QStringLiteral("the client has closed"));
    if (done && !alert())
        return true;
    if (const QMAlertView *shown = alert())
        return fail(QStringLiteral("waiting for %1, the client says \"%2: %3\"")
                        .arg(QString::fromUtf8(what), shown->title(), shown->message()));
    return fail(QStringLiteral("waited in vain for %1").arg(QString::fromUtf8(what)));
}

bool QMTour::isQuiet() const
{
    const QList<QMActivityIndicatorView *> spinners =
        window()->findChildren<QMActivityIndicatorView *>();
    return std::none_of(spinners.begin(), spinners.end(), [](const auto *spinner) {
        return spinner->isVisible() && spinner->isAnimating();
    });
}

bool QMTour::settled()
{
    m_hand.pause(kSlideMs);
    return waitFor([this] { return isQuiet(); }, "the busy indicators to stop");
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

bool QMTour::type(QWidget *field, const QString &text, const char *what)
{
    if (!tap(field, what))
        return false;
    m_hand.selectAll(); // a remembered text goes
    m_hand.type(text);
    return true;
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
    const QMViewController *leaving = onTab ? onTab->topViewController() : nullptr;
    if (!leaving || !tap(onTab->navigationBar()->backButton(), "the back button"))
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

int QMTour::soldRow(const QMMovieTaxisViewController *days)
{
    const QList<std::shared_ptr<Mpi>> &rows = days->playMovieArray();
    for (int row = 0; row < rows.size(); ++row) {
        if (rows[row] && rows[row]->open)
            return row;
    }
    return -1;
}

QMNavigationController *QMTour::sheet() const
{
    return qobject_cast<QMNavigationController *>(
        m_application->tabController()->modalViewController());
}

QMCommentWriteViewController *QMTour::writer() const
{
    return sheet() ? qobject_cast<QMCommentWriteViewController *>(sheet()->topViewController())
                   : nullptr;
}

QMMyQuelmaViewController *QMTour::hub() const
{
    return m_application->myQuelmaViewController();
}

template<class Screen> Screen *QMTour::onTop(int tab)
{
    auto *screen = top<Screen>(tab);
    if (!screen)
        fail(QStringLiteral("the screen before is no longer on top"));
    return screen;
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

QMAlertView *QMTour::alert()
{
    const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
    return shown.isEmpty() ? nullptr : shown.last();
}

QWidget *QMTour::window() const
{
    return m_application ? m_application->window() : nullptr;
}
