#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "films/QMMoviePlayCinemaViewController.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"

#include "QMProviderTestCase.h"
#include "QMTestCinemas.h"

#include <QDate>
#include <QLabel>
#include <QTest>
#include <QUrlQuery>

namespace {

const QMLocationProvider::Coordinate kPeoplesSquare{31.2304, 121.4737};

// The cinemas showing film 1001, opened directly with the film, against canned answers.
class FilmCinemas : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        server.setHandler([this](const QByteArray &target) {
            const QString path = QUrl::fromEncoded(target).path();
            const auto ok = [](const QByteArray &body) {
                return QMTestHttpServer::Answer{200, body};
            };
            if (path.endsWith(QStringLiteral("playCinemaList.xhtml")))
                return filmListWorks ? ok(testCinemaListXml(filmCinemas))
                                     : QMTestHttpServer::Answer{500, "<html>down</html>"};
            if (path.endsWith(QStringLiteral("nearCinemaList.xhtml")))
                return ok(testCinemaListXml({{"1", true, 100},
                                             {"3", false, 200},
                                             {"4", true, 300},
                                             {"2", true, 400},
                                             {"6", false, 500}}));
            if (path.endsWith(QStringLiteral("cinemaList.xhtml")))
                return ok(testCinemaListXml({{"5", false}, {"7", true}, {"3", false}}));
            if (path.endsWith(QStringLiteral("county.xhtml")))
                return ok(testCountyListXml(districts));
            if (path.endsWith(QStringLiteral("movie.xhtml")))
                return ok("<data><movie><movieid>1001</movieid><moviename>星际归途</moviename>"
                          "<content>全片剧情。</content></movie></data>");
            return QMTestHttpServer::Answer{404, "no"};
        });
    }
    void TearDown() override
    {
        window.reset();
        stack.reset();
        QMProviderTestCase::TearDown();
    }

    void open()
    {
        auto screenOwned = std::make_unique<QMMoviePlayCinemaViewController>();
        screen = screenOwned.get();
        auto film = std::make_shared<movie>();
        film->movieid = QStringLiteral("1001");
        film->moviename = QStringLiteral("星际归途");
        film->generalmark = QStringLiteral("8.4");
        film->content = QStringLiteral("一句话剧情。");
        screen->selectMovie = film;
        stack = std::make_unique<QMNavigationController>(std::move(screenOwned));
        window->setRootViewController(stack.get());
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    bool waitForRows(const QStringList &ids)
    {
        return QTest::qWaitFor([&] { return cinemaIds(screen->cinemaArray()) == ids; }, 10000);
    }
    bool isBusy() const
    {
        return !screen->view()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty();
    }
    int requestsFor(const char *path) const
    {
        const QByteArray prefix = QByteArray("/shanghai/api/") + path + '?';
        return int(
            std::count_if(server.requests().begin(), server.requests().end(),
                          [&](const QByteArray &target) { return target.startsWith(prefix); }));
    }
    bool openDistricts()
    {
        QTest::mouseClick(screen->districtButton(), Qt::LeftButton);
        return QTest::qWaitFor(
            [&] { return screen->districtChooser()->pickerView()->isInWindow(); }, 10000);
    }

    // Of the film's cinemas, 2 and 5 sell tickets.
    QList<QMTestCinema> filmCinemas = {{"3", false, 0}, {"2", true, 0}, {"5", true, 0}};
    bool filmListWorks = true;
    QMTestDistricts districts = {{"黄浦", "310101"}, {"徐汇", "310104"}, {"黄浦", "310199"}};
    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMNavigationController> stack;
    QMMoviePlayCinemaViewController *screen = nullptr;
};

} // namespace

TEST_F(FilmCinemas, ListsTheFilmsCinemasSellersFirstWithMeasuredDistances)
{
    // One degree north of the device: the service gives no distance, the screen measures it.
    filmCinemas[0].pointy = kPeoplesSquare.latitude + 1;
    filmCinemas[0].pointx = kPeoplesSquare.longitude;
    placeDeviceAt(kPeoplesSquare.latitude, kPeoplesSquare.longitude);
    open();
    ASSERT_TRUE(waitForRows({"2", "5", "3"}));
    EXPECT_EQ(cinemaIds(screen->tmCinemaArray()), QStringList({"3", "2", "5"}));
    EXPECT_FALSE(screen->awaitsFilmList());
    EXPECT_FALSE(isBusy());
    EXPECT_EQ(sentValue(QStringLiteral("movieid")), QStringLiteral("1001"));
    EXPECT_EQ(sentValue(QStringLiteral("playdate")),
              QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    EXPECT_EQ(screen->navigationItem()->title(), QStringLiteral("星际归途"));
    EXPECT_EQ(screen->navigationItem()->backBarButtonTitle(), QStringLiteral("选择影院"));

    QMCinemaCell *last = screen->cinemaTableView()->cellForRow(2);
    ASSERT_TRUE(last);
    EXPECT_EQ(last->distanceLabel()->text(), QStringLiteral("111.3km"));
    EXPECT_FALSE(last->checkMark());
    ASSERT_TRUE(screen->cinemaTableView()->cellForRow(1)->checkMark());
    EXPECT_EQ(screen->cinemaTableView()->cellForRow(1)->checkMark()->index, 1);
}

TEST_F(FilmCinemas, NearCutsTheListDownAndAllBringsItBackUnsorted)
{
    open();
    ASSERT_TRUE(waitForRows({"2", "5", "3"}));
    QTest::mouseClick(screen->nearButton(), Qt::LeftButton);
    EXPECT_TRUE(screen->nearButton()->isHidden());
    EXPECT_FALSE(screen->allCinemaButton()->isHidden());
    // Five near cinemas, two of them showing the film: the selling one first, each with the
    // distance of the near answer.
    ASSERT_TRUE(waitForRows({"2", "3"}));
    EXPECT_EQ(screen->cinemaTableView()->cellForRow(0)->distanceLabel()->text(),
              QStringLiteral("0.4km"));
    EXPECT_EQ(screen->cinemaTableView()->cellForRow(1)->distanceLabel()->text(),
              QStringLiteral("0.2km"));
    EXPECT_FALSE(isBusy());

    const int asked = int(server.requests().size());
    QTest::mouseClick(screen->allCinemaButton(), Qt::LeftButton);
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"3", "2", "5"}));
    EXPECT_EQ(server.requests().size(), asked);
    EXPECT_FALSE(screen->nearButton()->isHidden());
    EXPECT_TRUE(screen->allCinemaButton()->isHidden());
}

TEST_F(FilmCinemas, ADistrictCutsTheListDownAndLeavesTheNearButton)
{
    open();
    ASSERT_TRUE(waitForRows({"2", "5", "3"}));
    ASSERT_TRUE(openDistricts());
    EXPECT_EQ(screen->districtChooser()->pickerView()->navTitle(), QStringLiteral("选择区域"));
    EXPECT_EQ(screen->districtChooser()->districtDictionary().names(),
              QStringList({"黄浦", "徐汇"}));
    EXPECT_EQ(screen->districtChooser()->pickerView()->pickerView()->numberOfRowsInComponent(0), 2);
    QTest::mouseClick(screen->districtChooser()->pickerView()->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(screen->districtChooser()->pickerView()->isInWindow());
    // 5, 7 and 3 are in the district; 7 does not show the film.
    ASSERT_TRUE(waitForRows({"5", "3"}));
    EXPECT_EQ(QUrlQuery(sentQuery("cinema/cinemaList.xhtml"))
                  .queryItemValue(QStringLiteral("countycode")),
              QStringLiteral("310199"));
    EXPECT_FALSE(screen->nearButton()->isHidden());
    EXPECT_TRUE(screen->allCinemaButton()->isHidden());
}

TEST_F(FilmCinemas, TheSynopsisTabShowsTheFullRecordsSynopsis)
{
    open();
    ASSERT_TRUE(waitForRows({"2", "5", "3"}));
    EXPECT_TRUE(screen->synopsisView()->isHidden());
    EXPECT_EQ(screen->synopsisView()->text(), QStringLiteral("一句话剧情。"));

    QTest::mouseClick(screen->synopsisTabButton(), Qt::LeftButton);
    EXPECT_FALSE(screen->synopsisView()->isHidden());
    EXPECT_TRUE(screen->cinemaTableView()->isHidden());
    EXPECT_TRUE(screen->filterBar()->isHidden());
    // The tabs change pictures, not places.
    EXPECT_EQ(screen->cinemasTabButton()->geometry(), QRect(10, 38, 150, 33));
    EXPECT_EQ(screen->synopsisTabButton()->geometry(), QRect(158, 38, 150, 33));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return screen->synopsisView()->text() == QStringLiteral("全片剧情。"); }));
    EXPECT_EQ(sentValue(QStringLiteral("movieid"), int(server.requests().size()) - 1),
              QStringLiteral("1001"));
    EXPECT_EQ(screen->selectMovie->content, QStringLiteral("全片剧情。"));
    EXPECT_TRUE(screen->synopsisView()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty());

    QTest::mouseClick(screen->cinemasTabButton(), Qt::LeftButton);
    EXPECT_TRUE(screen->synopsisView()->isHidden());
    EXPECT_FALSE(screen->cinemaTableView()->isHidden());
    EXPECT_FALSE(screen->filterBar()->isHidden());
}

TEST_F(FilmCinemas, WithoutTheFilmsListANearListDoesNotPassForIt)
{
    filmListWorks = false;
    open();
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor("movie/playCinemaList.xhtml") == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(); }));
    EXPECT_TRUE(screen->awaitsFilmList());

    // Which near cinemas show the film is not known: none is listed as if it did.
    QTest::mouseClick(screen->nearButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor("cinema/nearCinemaList.xhtml") == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(); }));
    EXPECT_TRUE(screen->cinemaArray().isEmpty());
    EXPECT_TRUE(screen->awaitsFilmList());

    // The all-cinemas button asks for the film's list again.
    filmListWorks = true;
    QTest::mouseClick(screen->allCinemaButton(), Qt::LeftButton);
    ASSERT_TRUE(waitForRows({"2", "5", "3"}));
    EXPECT_FALSE(screen->awaitsFilmList());
    EXPECT_EQ(requestsFor("movie/playCinemaList.xhtml"), 2);
}
