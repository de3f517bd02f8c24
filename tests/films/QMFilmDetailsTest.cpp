#include "app/QMDataContext.h"
#include "comments/QMCommentProvider.h"
#include "comments/QMCommentInfoViewController.h"
#include "comments/QMCommentRow.h"
#include "comments/QMMovieCommentViewController.h"
#include "comments/QMCommentRows.h"
#include "comments/QMReplyLabelEventTouch.h"
#include "cinemas/QMMapViewController.h"
#include "films/QMMovieHeaderView.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/movie.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMAlertView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPageCounter.h"
#include "kit/QMTabBarController.h"
#include "kit/QMIndexButton.h"
#include "kit/QMLabel.h"
#include "kit/QMTextField.h"
#include "kit/QMTextView.h"
#include "members/MemberCache.h"
#include "members/QMLoginProvider.h"
#include "members/QMLoginViewController.h"
#include "members/QMUserView.h"
#include "net/QMDataProvider.h"
#include "services/QMCachedImageView.h"
#include "services/QMImageCache.h"
#include "services/QMResourceImages.h"

#include "QMAppTestCase.h"
#include "QMTestHttpServer.h"

#include <QBuffer>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTime>

#include <algorithm>
#include <cmath>

namespace {

// The client on its films tab, the film details opened from the shelf as a member would.
class FilmDetails : public QMAppTestCase
{
protected:
    void SetUp() override
    {
        QMToPlayInfoViewController::commentPageCounter().setCount(QMPageCounter::kPageSize);
        QMAppTestCase::SetUp();
        if (HasFatalFailure())
            return;
        stack = qobject_cast<QMNavigationController *>(
            delegate->tabController()->selectedViewController());
        ASSERT_TRUE(stack);
        shelf = delegate->movieViewController();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    }

    template<class Screen> Screen *top() const { return topOf<Screen>(stack); }
    // A tap on the cover facing the member.
    QMToPlayInfoViewController *openCentredFilm()
    {
        TPOpenFlowView *flow = shelf->shelfView()->openFlowView();
        const QPoint centre =
            flow->coverOutline(flow->selectedCover()).boundingRect().center().toPoint();
        QTest::mouseClick(flow, Qt::LeftButton, {}, centre);
        return top<QMToPlayInfoViewController>();
    }
    const Simplemovie &centredFilm() const
    {
        return *shelf->movieArray().at(shelf->shelfView()->openFlowView()->selectedCover());
    }
    int commentRequests() { return int(service->log().count(QStringLiteral("commentList"))); }
    static bool waitForComments(QMToPlayInfoViewController *details, qsizetype count)
    {
        return QTest::qWaitFor([&] { return details->commentArray().size() == count; }, 15000);
    }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // Taps, then keys that carry text, Chinese included.
    static void typeInto(QWidget *target, const QString &text)
    {
        click(target);
        for (const char32_t codePoint : text.toUcs4()) {
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown,
                                QString::fromUcs4(&codePoint, 1), Qt::NoModifier);
        }
    }

    QMNavigationController *stack = nullptr;
    QMMovieViewController *shelf = nullptr;
};

} // namespace

TEST_F(FilmDetails, FromTheShelfAFilmShowsItsCinemasAndItsCommentsPageByPage)
{
    const Simplemovie film = centredFilm();
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    EXPECT_EQ(details->selectsMovie->movieid, film.movieid);
    EXPECT_EQ(details->headerView()->titleLabel()->text(), film.moviename);
    EXPECT_EQ(details->headerView()->ratingLabel()->text(),
              film.generalmark + QStringLiteral("分"));
    EXPECT_EQ(details->cinemaCountLabel()->text(),
              QStringLiteral("%1家影院上映,").arg(film.cinemanum));
    EXPECT_EQ(details->orderCountLabel()->text(), QString::number(film.ordercinemanum));

    // The leading film has more than two pages of comments: the first page, then more.
    ASSERT_TRUE(waitForComments(details, 10));
    QMTableView *table = details->tableView();
    EXPECT_EQ(table->numberOfRows(), 13);
    auto *first = qobject_cast<QMCommentRow *>(table->cellForRow(2));
    ASSERT_TRUE(first);
    EXPECT_EQ(first->bubble()->name()->text(), details->commentArray().first()->nickname);
    EXPECT_TRUE(first->bubble()->issueDate()->text().endsWith(QStringLiteral("前")));
    QTest::qWait(500);
    screenshot(QStringLiteral("film-details.png"));

    table->scrollToRow(12, QMTableView::ScrollPosition::Bottom, false);
    QPushButton *more = details->commentRows()->moreButton();
    ASSERT_TRUE(more && more->isVisible());
    click(more);
    ASSERT_TRUE(waitForComments(details, 20));
    table->scrollToRow(22, QMTableView::ScrollPosition::Bottom, false);
    click(details->commentRows()->moreButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->commentArray().size() > 20; }, 15000));
    ASSERT_LT(details->commentArray().size(), 30) << "the seed has fewer than three pages";
    table->scrollToRow(table->numberOfRows() - 1, QMTableView::ScrollPosition::Bottom, false);
    EXPECT_FALSE(details->commentRows()->moreButton()->isVisible()) << "the last page was short";
    EXPECT_EQ(QMToPlayInfoViewController::commentPageCounter().count(), 30);

    // Resting at the end of a short last page asks for nothing more.
    const int asked = commentRequests();
    details->scrollViewDidEndDecelerating(table);
    QTest::qWait(300);
    EXPECT_EQ(commentRequests(), asked);

    // The cinemas showing the film.
    table->scrollToRow(1, QMTableView::ScrollPosition::Top, false);
    ASSERT_TRUE(details->cinemasButton());
    click(details->cinemasButton());
    auto *cinemas = top<QMMoviePlayCinemaViewController>();
    ASSERT_TRUE(cinemas);
    EXPECT_EQ(cinemas->selectMovie, details->selectsMovie);

    // And all of them on the map.
    stack->pop(false);
    ASSERT_EQ(top<QMToPlayInfoViewController>(), details);
    click(details->mapButton());
    auto *map = QTest::qWaitFor([&] { return top<QMMapViewController>(); }, 15000)
                    ? top<QMMapViewController>()
                    : nullptr;
    ASSERT_TRUE(map);
    EXPECT_EQ(map->naviTitle(), QStringLiteral("全部影院"));
    // A cinema without a place is left off.
    const auto placed = std::count_if(
        details->cinemaArray().begin(), details->cinemaArray().end(), [](const auto &cinema) {
            return std::fabs(cinema->pointx) >= 0.1 && std::fabs(cinema->pointy) >= 0.1;
        });
    ASSERT_GT(placed, 0);
    EXPECT_EQ(map->annotationArray().size(), placed);
}

TEST_F(FilmDetails, TheSynopsisShowsWhenTheFilmsRecordHasCome)
{
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    ASSERT_TRUE(waitForComments(details, 10));
    click(details->synopsisTabButton());
    EXPECT_TRUE(details->isInfo());
    EXPECT_EQ(details->tableView()->numberOfRows(), 13) << "the schedule stays until then";
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->tableView()->numberOfRows() == 2; }, 15000));
    ASSERT_TRUE(details->synopsisView());
    EXPECT_FALSE(details->synopsisView()->text().isEmpty());
    EXPECT_EQ(details->synopsisView()->text(), details->selectsMovie->content);
    EXPECT_FALSE(details->tableView()->isScrollEnabled());
    QTest::qWait(300);
    screenshot(QStringLiteral("film-synopsis.png"));

    click(details->scheduleTabButton());
    EXPECT_FALSE(details->isInfo());
    EXPECT_EQ(details->tableView()->numberOfRows(), 13);
    EXPECT_TRUE(details->tableView()->isScrollEnabled());
}

TEST_F(FilmDetails, TenPagesAtMostThenTheAlertAndNothingSent)
{
    QMToPlayInfoViewController::commentPageCounter().setCount(100);
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !details->commentArray().isEmpty(); }, 15000));
    const int asked = commentRequests();
    for (int attempt = 0; attempt < 2; ++attempt) {
        details->moreCiname();
        const QList<QMAlertView *> alerts = QMAlertView::visibleAlerts();
        ASSERT_EQ(alerts.size(), 1);
        EXPECT_EQ(alerts[0]->title(), QStringLiteral("提示"));
        EXPECT_EQ(alerts[0]->message(), QStringLiteral("只能显示10页!"));
        EXPECT_EQ(alerts[0]->button()->text(), QStringLiteral("ok"));
        click(alerts[0]->button());
        ASSERT_TRUE(QTest::qWaitFor([] { return QMAlertView::visibleAlerts().isEmpty(); }, 3000));
    }
    QTest::qWait(300);
    EXPECT_EQ(commentRequests(), asked);

    // A film opened afterwards still asks for ten pages, not eleven.
    stack->popToRoot(false);
    QMToPlayInfoViewController *again = openCentredFilm();
    ASSERT_TRUE(again);
    ASSERT_TRUE(QTest::qWaitFor([&] { return commentRequests() == asked + 1; }, 15000));
    const QMCommentProvider *provider = QMDataContext::CurrentDataContext()->commentProvider();
    EXPECT_EQ(provider->maxReturn, 100);
    EXPECT_EQ(provider->startIndex, 0);
}

TEST_F(FilmDetails, ACommentWrittenAfterSigningInComesFirstExactlyAsTyped)
{
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    ASSERT_TRUE(waitForComments(details, 10));
    ASSERT_FALSE(QMDataProvider::DataProvider()->isLogged());

    // Signed out: the sign-in screen first, then the sheet.
    click(details->commentButton());
    auto *login = top<QMLoginViewController>();
    ASSERT_TRUE(login);
    typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
    typeInto(login->passwordField(), QStringLiteral("demo123"));
    click(login->loginButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet(); }, 15000));
    EXPECT_TRUE(QMDataProvider::DataProvider()->isLogged());
    EXPECT_EQ(top<QMToPlayInfoViewController>(), details) << "the sign-in screen has gone";
    auto *sheetStack = qobject_cast<QMNavigationController *>(sheet());
    ASSERT_TRUE(sheetStack);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheetStack->isTransitioning(); }, 5000));
    auto *writing = qobject_cast<QMMovieCommentViewController *>(sheetStack->topViewController());
    ASSERT_TRUE(writing);
    EXPECT_EQ(writing->selectMovie, details->selectsMovie);

    const QString typed =
        QStringLiteral("二刷%1 & 影评 #2 100% + 好看").arg(QTime::currentTime().msec());
    typeInto(writing->textView(), typed);
    EXPECT_EQ(writing->commentText(), typed);
    click(writing->submitButton());
    ASSERT_TRUE(QTest::qWaitFor([] { return !QMAlertView::visibleAlerts().isEmpty(); }, 15000));
    QMAlertView *done = QMAlertView::visibleAlerts().last();
    EXPECT_EQ(done->title(), QStringLiteral("成功"));
    EXPECT_EQ(done->message(), QStringLiteral("评论成功！"));
    click(done->button());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheet(); }, 5000));

    // The list comes again from the first page, the new comment first, as typed.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !details->commentArray().isEmpty() &&
                   details->commentArray().first()->body == typed;
        },
        15000));
    QMTableView *table = details->tableView();
    table->scrollToRow(2, QMTableView::ScrollPosition::Top, false);
    auto *row = qobject_cast<QMCommentRow *>(table->cellForRow(2));
    ASSERT_TRUE(row);
    EXPECT_EQ(row->bubble()->reply()->text(), typed);

    // Only a comment row's action opens anything: not the rows around the comments.
    const int rows = table->numberOfRows();
    for (int other : {-1, 0, 1, rows - 1, rows, 1000}) {
        details->selectCommentInfo(other);
        details->selectUserInfo(other);
    }
    EXPECT_EQ(top<QMToPlayInfoViewController>(), details);

    // Its text opens the comment's details.
    click(row->textButton());
    auto *info = top<QMCommentInfoViewController>();
    ASSERT_TRUE(info);
    EXPECT_EQ(info->selectComment->body, typed);
}

TEST_F(FilmDetails, ACommentsHeadPictureOpensItsAuthorsPageOverTheWholeWindow)
{
    QMToPlayInfoViewController *details = openCentredFilm();
    ASSERT_TRUE(details);
    ASSERT_TRUE(waitForComments(details, 10));
    QMTableView *table = details->tableView();
    table->scrollToRow(2, QMTableView::ScrollPosition::Top, false);
    auto *row = qobject_cast<QMCommentRow *>(table->cellForRow(2));
    ASSERT_TRUE(row);
    const std::shared_ptr<Comment> comment = details->commentArray().first();

    // Where the member sees the head picture: the button over it takes the touch.
    QWidget *window = table->window();
    const QPoint at = row->headButton()->mapTo(window, row->headButton()->rect().center());
    QWidget *target = window->childAt(at);
    ASSERT_EQ(target, row->headButton());
    click(target);
    QMUserView *page = nullptr;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        page = qobject_cast<QMUserView *>(QMMemberPanel::topPanel(window));
        return page && page->pos() == QMMemberPanel::kFrame.topLeft();
    }));
    EXPECT_EQ(page->parentWidget(), window) << "over the tab bar too";
    EXPECT_EQ(page->geometry(), QRect(0, 20, 320, 460));
    EXPECT_EQ(page->userInfoTableView()->geometry(), QRect(10, 140, 303, 89));
    EXPECT_EQ(page->selectMemberInfo->memberid, comment->memberid);
    EXPECT_EQ(page->nicknameLabel()->text(), comment->nickname);
    EXPECT_FALSE(page->isLoginView()->isVisible()) << "signed out: nothing to follow with";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !page->logoView()->isLoading(); }, 15000));

    // Back on the film; signed in, another member's page offers to follow them.
    QPointer<QMUserView> leaving = page;
    click(page->returnButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !leaving; }));
    EXPECT_EQ(top<QMToPlayInfoViewController>(), details);
    QMLoginProvider *login = QMDataContext::CurrentDataContext()->loginProvider();
    login->username = QStringLiteral("demo@example.com");
    login->password = QStringLiteral("demo123");
    login->loginDelegate = nullptr;
    login->requestLogin();
    ASSERT_TRUE(QTest::qWaitFor([] { return QMDataProvider::DataProvider()->isLogged(); }, 15000));
    int other = 0;
    while (other < details->commentArray().size() &&
           details->commentArray().at(other)->memberid == login->loginMemeber->memberid)
        ++other;
    ASSERT_LT(other, details->commentArray().size());
    details->selectUserInfo(other + 2);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        page = qobject_cast<QMUserView *>(QMMemberPanel::topPanel(window));
        return page && page->pos() == QMMemberPanel::kFrame.topLeft();
    }));
    EXPECT_EQ(page->selectMemberInfo->memberid, details->commentArray().at(other)->memberid);
    EXPECT_TRUE(page->isLoginView()->isVisible());
}

TEST_F(FilmDetails, APosterThatArrivesUnderTheFilmsSmallLogoReplacesThePlaceholder)
{
    QMTestHttpServer pictures;
    QMTestHttpServer::Answer poster;
    poster.body = QMTestHttpServer::png(Qt::darkGreen, {100, 131});
    poster.contentType = "image/png";
    poster.delayMs = 200;
    pictures.setAnswer(QStringLiteral("/m/small.png"), poster);

    auto film = std::make_shared<movie>(centredFilm());
    film->smalllogo = pictures.url(QStringLiteral("/m/small.png"));
    film->logo = pictures.url(QStringLiteral("/m/large.png"));
    auto screen = std::make_unique<QMToPlayInfoViewController>();
    QMToPlayInfoViewController *details = screen.get();
    details->selectsMovie = film;
    // As the shelf does: the poster is asked for by smalllogo, for the details screen.
    EXPECT_TRUE(QMImageCache::defaultCache()->requestorImageUrl(details, film->smalllogo).isNull());
    stack->push(std::move(screen), false);
    // The header is built again with each answer: look at the one on screen.
    auto shown = [&] {
        return details->headerView()->posterView()->pixmap().toImage();
    };
    EXPECT_EQ(shown(), QMResourceImages::named(QStringLiteral("default.jpg")));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return shown().pixel(50, 65) == QColor(Qt::darkGreen).rgb(); }, 10000));
    EXPECT_EQ(details->logoImage.pixel(0, 0), QColor(Qt::darkGreen).rgb());
}
