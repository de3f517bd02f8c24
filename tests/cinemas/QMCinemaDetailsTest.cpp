#include "app/QMDataContext.h"
#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMCinemaFilmStrip.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMGeoDistance.h"
#include "cinemas/QMMapViewController.h"
#include "kit/QMMapAnnotation.h"
#include "cinemas/QmCinemaInfoViewController.h"
#include "comments/QMCinemaCommentViewController.h"
#include "films/QMMovieTaxisViewController.h"
#include "films/movie.h"
#include "kit/QMAlertView.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "kit/QMPageCounter.h"
#include "kit/QMScrollView.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTextField.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"

#include "QMAppTestCase.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <cmath>
#include <limits>

namespace {

// The client on its cinemas tab, a cinema's details opened from the list as a member would.
class CinemaDetails : public QMAppTestCase
{
protected:
    void SetUp() override
    {
        QmCinemaInfoViewController::commentPageCounter().setCount(QMPageCounter::kPageSize);
        QMAppTestCase::SetUp();
        if (HasFatalFailure())
            return;
        tapTab(1);
        stack = qobject_cast<QMNavigationController *>(
            delegate->tabController()->selectedViewController());
        ASSERT_TRUE(stack);
        list = qobject_cast<QMCinemaViewController *>(stack->viewControllers().value(0));
        ASSERT_TRUE(list);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !list->cinemaArray().isEmpty(); }, 20000));
    }

    template<class Screen> Screen *top() const { return topOf<Screen>(stack); }
    // A touch on something the member sees: it reaches the widget lying there.
    static void tapAt(QWidget *view, const QPoint &point)
    {
        QWidget *target = view->childAt(point);
        if (!target)
            target = view;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(view, point));
    }
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    int rowOf(const std::function<bool(const SimpleCinema &)> &wanted) const
    {
        for (int row = 0; row < list->cinemaArray().size(); ++row) {
            if (wanted(*list->cinemaArray()[row]))
                return row;
        }
        return -1;
    }
    // Touches the cinema's row in the list.
    QmCinemaInfoViewController *openCinemaAtRow(int row)
    {
        QMTableView *table = list->cinemaTableView()->tableView();
        table->scrollToRow(row, QMTableView::ScrollPosition::Middle, false);
        QWidget *cell = list->cinemaTableView()->cellForRow(row);
        if (!cell)
            return nullptr;
        tapAt(table, cell->geometry().center() - QPoint(30, 0) + table->contentView()->pos());
        return top<QmCinemaInfoViewController>();
    }
    static QMLocationProvider *location()
    {
        return QMDataContext::CurrentDataContext()->locationProvider();
    }
    static double metresFromHere(const SimpleCinema &cinema)
    {
        return geoDistance(location()->currentLocation(), {cinema.pointy, cinema.pointx});
    }
    // Due north of the cinema, that far along the rule's own sphere.
    static QMLocationProvider::Coordinate northOf(const Cinema &cinema, double metres)
    {
        return {cinema.pointy + metres / 6378137.0 * 180.0 / M_PI, cinema.pointx};
    }
    int checkIns() { return int(service->log().count(QStringLiteral("signPoint"))); }
    static QMAlertView *waitForAlert()
    {
        (void)QTest::qWaitFor([] { return !QMAlertView::visibleAlerts().isEmpty(); }, 15000);
        const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
        return shown.isEmpty() ? nullptr : shown.last();
    }
    static void dismiss(QMAlertView *alert)
    {
        click(alert->button());
        EXPECT_TRUE(QTest::qWaitFor([] { return QMAlertView::visibleAlerts().isEmpty(); }, 3000));
    }
    void signInAsTheDemoMember(QMViewController *returningTo)
    {
        auto *login = top<QMLoginViewController>();
        ASSERT_TRUE(login);
        login->userNameField()->setText(QStringLiteral("demo@example.com"));
        login->passwordField()->setText(QStringLiteral("demo123"));
        click(login->loginButton());
        ASSERT_TRUE(QTest::qWaitFor([&] { return top<QMViewController>() == returningTo; }, 15000));
        ASSERT_TRUE(QMDataProvider::DataProvider()->isLogged());
    }

    QMNavigationController *stack = nullptr;
    QMCinemaViewController *list = nullptr;
};

// An NMEA log of a minute's stroll eastwards about 200 metres north of the People's Square
// cinema (31.2286 N, 121.4752 E), replayed as the device's position.
QByteArray strollPastTheSquare()
{
    auto sentence = [](const QByteArray &body) {
        char sum = 0;
        for (char c : body)
            sum ^= c;
        return "$" + body + "*" +
               QByteArray::number(uchar(sum), 16).toUpper().rightJustified(2, '0') + "\r\n";
    };
    QByteArray log;
    for (int second = 0; second < 60; ++second) {
        const double longitude = 121.4752 + second * 0.00001;
        const QByteArray time =
            QStringLiteral("0900%1.00").arg(second, 2, 10, QLatin1Char('0')).toLatin1();
        const QByteArray lat = "3113.8500"; // 31.23083
        const QByteArray lon =
            QByteArray::number(12100 + (longitude - 121) * 60, 'f', 4).rightJustified(10, '0');
        log += sentence("GPRMC," + time + ",A," + lat + ",N," + lon + ",E,0.50,90.0,061226,,,A");
        log += sentence("GPGGA," + time + "," + lat + ",N," + lon + ",E,1,08,0.9,8.0,M,9.0,M,,");
    }
    return log;
}

// The same, with the device strolling past the People's Square cinema instead of the walk.
class CinemaDetailsBesideTheSquare : public CinemaDetails
{
protected:
    void SetUp() override
    {
        m_walk = qgetenv("QM_NMEA_FILE");
        QFile log(documents.filePath(QStringLiteral("stroll.nmea")));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly));
        log.write(strollPastTheSquare());
        log.close();
        qputenv("QM_NMEA_FILE", log.fileName().toLocal8Bit());
        CinemaDetails::SetUp();
    }
    void TearDown() override
    {
        CinemaDetails::TearDown();
        qputenv("QM_NMEA_FILE", m_walk);
    }

private:
    QByteArray m_walk;
};

} // namespace

TEST_F(CinemaDetails, ShowItsFilmsItsCommentsPageByPageAndItsDescription)
{
    // The People's Square cinema has more than a page of comments.
    const int row = rowOf([](const SimpleCinema &c) { return c.cinemaid == "2001"; });
    ASSERT_GE(row, 0);
    const SimpleCinema listed = *list->cinemaArray()[row];
    QmCinemaInfoViewController *details = openCinemaAtRow(row);
    ASSERT_TRUE(details);
    EXPECT_EQ(details->selectCinema->cinemaid, listed.cinemaid);
    EXPECT_EQ(details->selectCinema->pointy, listed.pointy);
    EXPECT_EQ(details->addressText(), listed.address);
    EXPECT_EQ(stack->navigationBar()->titleLabel()->text(), listed.cinemaname);

    ASSERT_TRUE(QTest::qWaitFor([&] { return !details->mpiArray().isEmpty(); }, 15000));
    QMCinemaFilmStrip *strip = details->filmStrip();
    ASSERT_TRUE(strip);
    const int films = int(details->mpiArray().size());
    const QList<QWidget *> strip_slots = strip->slotViews();
    ASSERT_EQ(strip_slots.size(), films);
    for (int i = 0; i < films; ++i)
        EXPECT_EQ(strip_slots[i]->x(), i * QMCinemaFilmStrip::kSlotWidth) << i;
    EXPECT_EQ(strip->movieCount(), films + 1);
    EXPECT_EQ(strip->scrollView()->contentSize().width(),
              (films + 1) * QMCinemaFilmStrip::kSlotWidth);
    EXPECT_EQ(strip->scrollView()->contentSize().height(), strip->scrollView()->height())
        << "sideways only";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !details->filmStrip()->isLoadingPoster(0); }, 15000));

    ASSERT_TRUE(QTest::qWaitFor([&] { return details->commentArray().size() == 10; }, 15000));
    QMTableView *table = details->tableView();
    EXPECT_EQ(table->numberOfRows(), 13);
    QTest::qWait(500);
    screenshot(QStringLiteral("cinema-details.png"));

    table->scrollToRow(12, QMTableView::ScrollPosition::Bottom, false);
    ASSERT_TRUE(details->commentRows()->moreButton());
    ASSERT_TRUE(details->commentRows()->moreButton()->isVisible());
    click(details->commentRows()->moreButton());
    ASSERT_TRUE(QTest::qWaitFor([&] { return details->commentArray().size() > 10; }, 15000));
    EXPECT_LT(details->commentArray().size(), 20);
    table->scrollToRow(table->numberOfRows() - 1, QMTableView::ScrollPosition::Bottom, false);
    EXPECT_FALSE(details->commentRows()->moreButton()->isVisible());

    // The description: two rows that stay still, the full record's text.
    table->scrollToRow(0, QMTableView::ScrollPosition::Top, false);
    click(details->infoTabButton());
    EXPECT_TRUE(details->isCinemaInfo());
    EXPECT_EQ(table->numberOfRows(), 2);
    EXPECT_FALSE(table->isScrollEnabled());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return details->cinemaInfoView() && !details->cinemaInfoView()->text().isEmpty(); },
        15000));
    EXPECT_EQ(details->cinemaInfoView()->text(), details->selectCinema->content);
    EXPECT_EQ(details->selectCinema->cinemaid, listed.cinemaid);
    QTest::qWait(300);
    screenshot(QStringLiteral("cinema-description.png"));

    click(details->onplayTabButton());
    EXPECT_EQ(table->numberOfRows(), int(details->commentArray().size()) + 3);
    EXPECT_TRUE(table->isScrollEnabled());
    ASSERT_TRUE(details->filmStrip());
    EXPECT_EQ(details->filmStrip()->slotViews().size(), films);

    // A film of the strip opens its schedule at this cinema.
    const int last = films - 1;
    strip = details->filmStrip();
    strip->scrollView()->setContentOffset(strip->scrollView()->maximumContentOffset());
    click(strip->posterButton(last));
    auto *schedule = top<QMMovieTaxisViewController>();
    ASSERT_TRUE(schedule);
    EXPECT_EQ(schedule->selectMovie->movieid, details->mpiArray()[last]->movieid);
    EXPECT_EQ(schedule->selectCinema->cinemaid, listed.cinemaid);
    stack->pop(false);
    ASSERT_EQ(top<QmCinemaInfoViewController>(), details);

    // Its place on the map.
    click(details->mapButton());
    auto *map = top<QMMapViewController>();
    ASSERT_TRUE(map);
    ASSERT_EQ(map->annotationArray().size(), 1);
    EXPECT_EQ(map->annotationArray().first()->title(), listed.cinemaname);
    EXPECT_EQ(map->mapRegion().center.latitude, listed.pointy);
    EXPECT_EQ(map->mapRegion().center.longitude, listed.pointx);
    EXPECT_EQ(map->mapRegion().latitudeDelta, 0.01);
}

TEST_F(CinemaDetails, ChecksInWithin500MetresOnlyAndNeverAtAPositionThatIsNoNumber)
{
    QmCinemaInfoViewController *details = openCinemaAtRow(0);
    ASSERT_TRUE(details);
    const Cinema cinema = *details->selectCinema;
    // Signed in through the comment button first: then its sheet is about this cinema.
    click(details->commentButton());
    signInAsTheDemoMember(details);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sheet(); }, 5000));
    auto *sheetStack = qobject_cast<QMNavigationController *>(sheet());
    ASSERT_TRUE(sheetStack);
    auto *writing = qobject_cast<QMCinemaCommentViewController *>(sheetStack->topViewController());
    ASSERT_TRUE(writing);
    EXPECT_EQ(writing->selectCinema, details->selectCinema);
    details->dismissModalViewController(false);
    const int before = checkIns();

    // The walk goes on; each position is set just before the touch that measures it.
    location()->setCurrentLocation(northOf(cinema, 501));
    click(details->checkInButton());
    QMAlertView *refused = waitForAlert();
    ASSERT_TRUE(refused);
    EXPECT_TRUE(refused->title().isEmpty());
    EXPECT_EQ(refused->message(),
              QStringLiteral("你现在距离%1超过500m，不能签到").arg(cinema.cinemaname));
    EXPECT_EQ(refused->button()->text(), QStringLiteral("OK"));
    dismiss(refused);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    location()->setCurrentLocation({nan, nan});
    click(details->checkInButton());
    QMAlertView *unknown = waitForAlert();
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->message(), refused->message());
    dismiss(unknown);
    EXPECT_FALSE(QmCinemaInfoViewController::isCloseEnoughToCheckIn(nan));
    EXPECT_EQ(checkIns(), before) << "nothing sent";

    location()->setCurrentLocation(northOf(cinema, 499));
    click(details->checkInButton());
    QMAlertView *accepted = waitForAlert();
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->title(), QStringLiteral("成功"));
    EXPECT_EQ(accepted->message(), QStringLiteral("恭喜你签到成功！"));
    EXPECT_EQ(accepted->button()->text(), QStringLiteral("ok"));
    EXPECT_EQ(checkIns(), before + 1);
}

TEST_F(CinemaDetailsBesideTheSquare, ACheckInSignsInFirstNearbyAndIsRefusedFarAway)
{
    ASSERT_NEAR(location()->currentLocation().latitude, 31.2308, 0.001);
    const int far = rowOf([](const SimpleCinema &c) { return metresFromHere(c) > 900; });
    const int near = rowOf([](const SimpleCinema &c) { return metresFromHere(c) < 400; });
    ASSERT_GE(far, 0);
    ASSERT_GE(near, 0);

    QmCinemaInfoViewController *details = openCinemaAtRow(far);
    ASSERT_TRUE(details);
    click(details->checkInButton());
    QMAlertView *refused = waitForAlert();
    ASSERT_TRUE(refused);
    EXPECT_EQ(
        refused->message(),
        QStringLiteral("你现在距离%1超过500m，不能签到").arg(details->selectCinema->cinemaname));
    dismiss(refused);
    EXPECT_EQ(top<QMViewController>(), details) << "no sign-in for a refused check-in";
    stack->popToRoot(false);

    details = openCinemaAtRow(near);
    ASSERT_TRUE(details);
    const int before = checkIns();
    click(details->checkInButton());
    EXPECT_TRUE(details->isHere());
    signInAsTheDemoMember(details);
    EXPECT_FALSE(details->isHere()) << "the check-in ran";
    QMAlertView *accepted = waitForAlert();
    ASSERT_TRUE(accepted);
    EXPECT_EQ(accepted->message(), QStringLiteral("恭喜你签到成功！"));
    EXPECT_EQ(checkIns(), before + 1);
}

TEST_F(CinemaDetails, ACheckInLeftAtTheSignInNeverRunsAtALaterSignIn)
{
    QmCinemaInfoViewController *details = openCinemaAtRow(0);
    ASSERT_TRUE(details);
    location()->setCurrentLocation(northOf(*details->selectCinema, 100));
    click(details->checkInButton());
    EXPECT_TRUE(details->isHere());
    ASSERT_TRUE(top<QMLoginViewController>());
    click(stack->navigationBar()->backButton());
    ASSERT_EQ(top<QMViewController>(), details);

    const int before = checkIns();
    click(details->commentButton());
    EXPECT_FALSE(details->isHere());
    signInAsTheDemoMember(details);
    QTest::qWait(500);
    EXPECT_EQ(checkIns(), before);
    EXPECT_TRUE(QMAlertView::visibleAlerts().isEmpty());
}
