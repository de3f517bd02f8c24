#include "cinemas/QMMapViewController.h"
#include "kit/QMMapView.h"
#include "films/QMMovieTaxisCell.h"
#include "films/QMMovieTaxisViewController.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "ticketing/QMMovieBuyTicketViewController.h"

#include "QMProviderTestCase.h"

#include <QLabel>
#include <QTest>

namespace {

// Screenings as the service writes them: mpid, edition, price, quelprice, open.
QByteArray screeningsXml(const QList<std::tuple<int, QString, int, int, bool>> &screenings)
{
    QByteArray xml = "<data><mpiList>";
    for (const auto &[mpid, edition, price, quelprice, open] : screenings)
        xml += QStringLiteral("<mpi><mpid>%1</mpid><language>国语</language><edition>%2</edition>"
                              "<playtime>19:30</playtime><playroom>2号厅</playroom>"
                              "<price>%3</price><quelprice>%4</quelprice><open>%5</open></mpi>")
                   .arg(mpid)
                   .arg(edition)
                   .arg(price)
                   .arg(quelprice)
                   .arg(open ? "true" : "false")
                   .toUtf8();
    return xml + "</mpiList></data>";
}

// A film's schedule at one cinema, against canned answers chosen by the day asked for.
class FilmSchedule : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        server.setHandler([this](const QByteArray &target) {
            const QUrl url = QUrl::fromEncoded(target);
            if (url.path().endsWith(QStringLiteral("login.xhtml")))
                return QMTestHttpServer::Answer{
                    200,
                    "<data><memberEncode>e5001</memberEncode><memberid>5001</memberid></data>"};
            const QDate day =
                QDate::fromString(QUrlQuery(url).queryItemValue("playdate"), Qt::ISODate);
            return days.value(day.toJulianDay() - QDate::currentDate().toJulianDay(),
                              QMTestHttpServer::Answer{500, "down"});
        });
    }
    void TearDown() override
    {
        window.reset();
        stack.reset();
        QMProviderTestCase::TearDown();
    }
    void open(bool cinemaSells)
    {
        auto owned = std::make_unique<QMMovieTaxisViewController>();
        screen = owned.get();
        screen->selectCinema = std::make_shared<SimpleCinema>();
        screen->selectCinema->cinemaid = QStringLiteral("2001");
        screen->selectCinema->cinemaname = QStringLiteral("星河影城");
        screen->selectCinema->open = cinemaSells;
        screen->selectMovie = std::make_shared<movie>();
        screen->selectMovie->movieid = QStringLiteral("1001");
        stack = std::make_unique<QMNavigationController>(std::move(owned));
        window->setRootViewController(stack.get());
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    bool waitForRows(int mpid)
    {
        return QTest::qWaitFor(
            [&] {
                return !screen->playMovieArray().isEmpty() &&
                       screen->playMovieArray().first()->mpid == QString::number(mpid);
            },
            10000);
    }
    bool isBusy() const
    {
        return !screen->view()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty();
    }

    // Day (0 today, 1 tomorrow, 2 the day after) -> answer.
    QHash<qint64, QMTestHttpServer::Answer> days = {
        {0, {200, screeningsXml({{11, "3D", 60, 40, true}, {12, "", 60, 0, false}})}}};
    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMNavigationController> stack;
    QMMovieTaxisViewController *screen = nullptr;
};

} // namespace

TEST_F(FilmSchedule, RowsShowTheVersionThePriceOfTheCinemasWayOfSellingAndTheTick)
{
    open(true);
    ASSERT_TRUE(waitForRows(11));
    EXPECT_EQ(sentValue("cinemaid"), QStringLiteral("2001"));
    EXPECT_EQ(sentValue("movieid"), QStringLiteral("1001"));
    EXPECT_EQ(screen->dayButton(2)->text(), QDate::currentDate().addDays(1).toString("MM月dd日"));
    QMMovieTaxisCell *sold = screen->cellForRow(0);
    QMMovieTaxisCell *notSold = screen->cellForRow(1);
    ASSERT_TRUE(sold && notSold);
    EXPECT_EQ(sold->versionLabel()->text(), QStringLiteral("国语/3D"));
    EXPECT_EQ(sold->priceCaptionLabel()->text() + sold->priceLabel()->text(),
              QStringLiteral(" 售价: 40元"));
    EXPECT_TRUE(sold->checkMark());
    // The service's price is 0: nothing, though the cinema's own is set.
    EXPECT_EQ(notSold->versionLabel()->text(), QStringLiteral("国语"));
    EXPECT_FALSE(notSold->priceLabel());
    EXPECT_FALSE(notSold->checkMark());

    auto elsewhere = std::make_unique<QMMovieTaxisCell>();
    elsewhere->setScreening(*screen->playMovieArray().first(), 0, false);
    EXPECT_EQ(elsewhere->priceCaptionLabel()->text() + elsewhere->priceLabel()->text(),
              QStringLiteral("原价: 60元"));

    QTest::mouseClick(screen->mapButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stack->isTransitioning(); }));
    auto *map = qobject_cast<QMMapViewController *>(stack->topViewController());
    ASSERT_TRUE(map);
    EXPECT_EQ(map->naviTitle(), QStringLiteral("星河影城"));
}

TEST_F(FilmSchedule, TheMarkedDayIsAlwaysTheDayWhoseScreeningsAreShown)
{
    open(true);
    ASSERT_TRUE(waitForRows(11));
    // Tomorrow fails: today's rows stay, and so does the mark.
    QTest::mouseClick(screen->dayButton(QMMovieTaxisViewController::Tomorrow), Qt::LeftButton);
    EXPECT_EQ(screen->highlightedDay(), QMMovieTaxisViewController::Tomorrow);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(); }, 10000));
    EXPECT_EQ(screen->highlightedDay(), QMMovieTaxisViewController::Today);
    EXPECT_EQ(screen->playMovieArray().size(), 2);

    // Tomorrow's answer comes after the day after's, which was asked for last: it is dropped.
    days[1] = {200, screeningsXml({{21, "", 50, 30, true}}), "text/xml; charset=utf-8", 800};
    days[2] = {200, screeningsXml({{31, "", 50, 30, true}})};
    QTest::mouseClick(screen->dayButton(QMMovieTaxisViewController::Tomorrow), Qt::LeftButton);
    QTest::mouseClick(screen->dayButton(QMMovieTaxisViewController::AfterTomorrow), Qt::LeftButton);
    ASSERT_TRUE(waitForRows(31));
    QTest::qWait(1200);
    EXPECT_EQ(screen->playMovieArray().first()->mpid, QStringLiteral("31"));
    EXPECT_EQ(screen->shownDay(), QMMovieTaxisViewController::AfterTomorrow);
    EXPECT_EQ(screen->highlightedDay(), QMMovieTaxisViewController::AfterTomorrow);
    EXPECT_FALSE(isBusy());
}

TEST_F(FilmSchedule, AScreeningOpensForItsRowOnceAMemberIsSignedIn)
{
    open(true);
    ASSERT_TRUE(waitForRows(11));
    // A row that does not sell still opens; signed out, the sign-in screen comes first.
    screen->tableViewDidSelectRow(screen->tableView(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !stack->isTransitioning(); }));
    auto *login = qobject_cast<QMLoginViewController *>(stack->topViewController());
    ASSERT_TRUE(login);
    QTest::mouseClick(login->loginButton(), Qt::LeftButton);
    QMMovieBuyTicketViewController *opened = nullptr;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            opened = qobject_cast<QMMovieBuyTicketViewController *>(stack->topViewController());
            return opened && !stack->isTransitioning();
        },
        10000));
    EXPECT_EQ(opened->selectMpi->mpid, QStringLiteral("12"));
    EXPECT_EQ(opened->selectCiname, screen->selectCinema);
    EXPECT_EQ(stack->viewControllers().size(), 2);
}
