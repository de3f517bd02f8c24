#include "cinemas/Cinema.h"
#include "cinemas/CinemaList.h"
#include "cinemas/CountyList.h"
#include "cinemas/MpiList.h"
#include "cinemas/OpCinemaList.h"
#include "cinemas/QMCinemaInfoProvider.h"
#include "cinemas/QMDistrictInfoProvider.h"
#include "cinemas/QMGeoDistance.h"
#include "cinemas/QMMovieOnFSCProvider.h"
#include "cinemas/QMMovieToFSCProvider.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "cinemas/QMopcListProvider.h"
#include "cinemas/SimpleCinema.h"
#include "films/movie.h"

#include "QMProviderTestCase.h"
#include "QMTestRecorders.h"

#include <cmath>

namespace {

const QMLocationProvider::Coordinate kPeoplesSquare{31.2304, 121.4737};

class CinemaProviders : public QMProviderTestCase
{
};
} // namespace

TEST(CinemaDistance, FollowsTheOneHaversineRule)
{
    EXPECT_DOUBLE_EQ(rad(180), M_PI);
    EXPECT_EQ(geoDistance(kPeoplesSquare, kPeoplesSquare), 0.0);
    EXPECT_EQ(SimpleCinema::distanceText(geoDistance(kPeoplesSquare, kPeoplesSquare)),
              QStringLiteral("0.0km"));

    const double degree = geoDistance({31.0, 121.0}, {32.0, 121.0});
    EXPECT_NEAR(degree, 111319, 1);
    EXPECT_EQ(SimpleCinema::distanceText(degree), QStringLiteral("111.3km"));
    // Symmetric, and a number even for opposite sides of the earth.
    EXPECT_DOUBLE_EQ(geoDistance({32.0, 121.0}, {31.0, 121.0}), degree);
    const double antipodes = geoDistance({0, 0}, {0, 180});
    EXPECT_FALSE(std::isnan(antipodes));
    EXPECT_NEAR(antipodes, M_PI * 6378137, 10);
}

TEST(CinemaDistance, ShownFromTheDeviceWhenTheServiceGaveNone)
{
    SimpleCinema cinema;
    cinema.pointy = 32.2304;
    cinema.pointx = 121.4737;
    EXPECT_NEAR(cinema.shownDistance(kPeoplesSquare), 111319, 1);
    cinema.distance = 220;
    EXPECT_EQ(cinema.shownDistance(kPeoplesSquare), 220);
    EXPECT_EQ(SimpleCinema::distanceText(cinema.shownDistance(kPeoplesSquare)),
              QStringLiteral("0.2km"));
}

TEST(CinemaRecords, ConvertByTheirSevenSharedFields)
{
    Cinema full;
    full.cinemaid = QStringLiteral("2001");
    full.cinemaname = QStringLiteral("人民广场影城");
    full.address = QStringLiteral("西藏中路100号");
    full.generalmark = QStringLiteral("8.6");
    full.pointx = 121.4752;
    full.pointy = 31.2286;
    full.open = true;
    full.content = QStringLiteral("七个影厅");
    const SimpleCinema simple(full);
    EXPECT_EQ(simple.cinemaid, full.cinemaid);
    EXPECT_EQ(simple.cinemaname, full.cinemaname);
    EXPECT_EQ(simple.address, full.address);
    EXPECT_EQ(simple.generalmark, full.generalmark);
    EXPECT_EQ(simple.pointx, full.pointx);
    EXPECT_EQ(simple.pointy, full.pointy);
    EXPECT_TRUE(simple.open);
    const Cinema back(simple);
    EXPECT_EQ(back.cinemaname, full.cinemaname);
    EXPECT_EQ(back.pointy, full.pointy);
    EXPECT_TRUE(back.content.isNull());

    Mpi screening;
    screening.movieid = QStringLiteral("1001");
    screening.moviename = QStringLiteral("星际归途");
    screening.englishname = QStringLiteral("Homeward");
    screening.generalmark = QStringLiteral("8.4");
    const movie film(screening);
    EXPECT_EQ(film.movieid, screening.movieid);
    EXPECT_EQ(film.moviename, screening.moviename);
    EXPECT_EQ(film.englishname, screening.englishname);
    EXPECT_TRUE(film.generalmark.isNull());
}

TEST_F(CinemaProviders, ListWithoutDistanceMapsEveryCinemaAndSendsThePosition)
{
    answer("cinema/nearCinemaList.xhtml",
           "<data><cinemaList><cinema><cinemaid>2001</cinemaid><cinemaname>甲</cinemaname>"
           "<pointx>121.4752</pointx><pointy>31.2286</pointy><open>true</open></cinema>"
           "<cinema><cinemaid>2003</cinemaid><distance>900</distance><open>false</open>"
           "</cinema></cinemaList></data>");
    CinemaListRecorder recorder;
    auto *provider = context()->nearbyCinemaProvider();
    provider->cinemaDelegate = &recorder;
    provider->requestForCinemasNearby(kPeoplesSquare);
    ASSERT_TRUE(recorder.waitForCalls());
    ASSERT_TRUE(recorder.record);
    ASSERT_EQ(recorder.record->cinemaArray.size(), 2);
    const SimpleCinema &first = *recorder.record->cinemaArray[0];
    EXPECT_EQ(first.cinemaname, QStringLiteral("甲"));
    EXPECT_EQ(first.distance, 0);
    EXPECT_DOUBLE_EQ(first.pointx, 121.4752);
    EXPECT_TRUE(first.open);
    EXPECT_EQ(recorder.record->cinemaArray[1]->distance, 900);
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral("key=")));
    EXPECT_TRUE(sentQuery().contains(QStringLiteral("&pointx=121.474&pointy=31.230&encryptCode=")));
}

TEST_F(CinemaProviders, DistrictAndFilmListsSendTheirParameters)
{
    answer("cinema/cinemaList.xhtml", "<data><cinemaList></cinemaList></data>");
    answer("movie/playCinemaList.xhtml", "<html>500</html>", 500);
    CinemaListRecorder recorder;
    context()->tdCinemaProvider()->cinemaDelegate = &recorder;
    context()->tdCinemaProvider()->requestCinemaListForDistrict(QStringLiteral("310101"));
    ASSERT_TRUE(recorder.waitForCalls());
    EXPECT_EQ(recorder.successes, 1);
    EXPECT_TRUE(recorder.record->cinemaArray.isEmpty());
    EXPECT_TRUE(sentQuery().startsWith(QStringLiteral("countycode=310101&key=")));

    context()->tmCinemaProvider()->cinemaDelegate = &recorder;
    context()->tmCinemaProvider()->requestCinemasForMovie(QStringLiteral("1001"),
                                                          QDate(2026, 12, 5));
    ASSERT_TRUE(recorder.waitForCalls(2));
    EXPECT_EQ(recorder.failures, 1);
    EXPECT_FALSE(recorder.error);
    EXPECT_TRUE(sentQuery(1).contains(QStringLiteral("&movieid=1001&playdate=2026-12-05&")));
}

TEST_F(CinemaProviders, CinemaAndDistrictsNeedTheirKey)
{
    answer("cinema/cinema.xhtml",
           "<data><cinema><cinemaid>2001</cinemaid><content>七个影厅&gt;IMAX</content>"
           "<pointy>31.2286</pointy></cinema></data>");
    answer("common/county.xhtml", "<data><countyList></countyList></data>");
    CinemaRecorder cinema;
    DistrictRecorder districts;
    context()->cinemaInfoProvider()->cinemaInfoDelegate = &cinema;
    context()->districtInfoProvider()->districtDelegate = &districts;
    context()->cinemaInfoProvider()->requestInfoForCinema(QString());
    context()->districtInfoProvider()->requestDistrictsOfRegion(QString());
    QTest::qWait(50);
    EXPECT_TRUE(server.requests().isEmpty());

    context()->cinemaInfoProvider()->requestInfoForCinema(QStringLiteral("2001"));
    ASSERT_TRUE(cinema.waitForCalls());
    ASSERT_TRUE(cinema.record);
    EXPECT_EQ(cinema.record->content, QStringLiteral("七个影厅>IMAX"));
    EXPECT_DOUBLE_EQ(cinema.record->pointy, 31.2286);
    EXPECT_TRUE(
        sentQuery().startsWith(QStringLiteral("cinemaid=2001&service=all&charging=times&key=")));

    context()->districtInfoProvider()->requestDistrictsOfRegion(QMDataProvider::regionCode());
    ASSERT_TRUE(districts.waitForCalls());
    ASSERT_TRUE(districts.record);
    EXPECT_TRUE(districts.record->countyArray.isEmpty());
    EXPECT_TRUE(sentQuery(1).startsWith(QStringLiteral("citycode=310000&key=")));
}

TEST_F(CinemaProviders, ScheduleWithoutAFilmLeavesTheFilmOut)
{
    answer("movie/playMovieList.xhtml",
           "<data><mpiList><mpi><mpid>3000123</mpid><price>80</price><open>true</open></mpi>"
           "</mpiList></data>");
    ScreeningRecorder recorder;
    auto *provider = context()->movieToFSCProvider();
    provider->fscDelegate = &recorder;
    provider->requestToPlayInfoForCinema(QString(), QStringLiteral("1001"));
    provider->requestToPlayInfoForCinema(QStringLiteral("2001"), QString(), QDate(2026, 12, 5));
    ASSERT_TRUE(recorder.waitForCalls());
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_TRUE(sentQuery().startsWith(
        QStringLiteral("cinemaid=2001&playdate=2026-12-05&charging=times&key=")));
    ASSERT_EQ(recorder.record->mpiArray.size(), 1);
    const Mpi &screening = *recorder.record->mpiArray[0];
    EXPECT_EQ(screening.mpid, QStringLiteral("3000123"));
    EXPECT_EQ(screening.price, 80);
    EXPECT_EQ(screening.quelprice, 0);
    EXPECT_TRUE(screening.open);

    answer("movie/playMovieList.xhtml", "<data><mpiList></mpiList></data>");
    provider->requestToPlayInfoForCinema(QStringLiteral("2001"), QStringLiteral("1001"));
    ASSERT_TRUE(recorder.waitForCalls(2));
    EXPECT_EQ(recorder.successes, 2);
    EXPECT_TRUE(recorder.record->mpiArray.isEmpty());
    EXPECT_TRUE(sentQuery(1).startsWith(QStringLiteral("cinemaid=2001&movieid=1001&playdate=")));
}

TEST_F(CinemaProviders, FilmsOfACinemaAndCinemasOfTheDayAreRenamedIntoTheirRecords)
{
    answer("cinema/cinemaPlayMovieList.xhtml",
           "<data><movieList><movie><movieid>1001</movieid><moviename>星际归途</moviename>"
           "</movie><movie><movieid>1002</movieid></movie></movieList></data>");
    answer("outorder/opcList.xhtml",
           "<?xml version=\"1.0\" encoding=\"UTF-8\"?><data><cinema><relatedid>r1</relatedid>"
           "<cinemaid>2001</cinemaid><cinemaname>甲</cinemaname></cinema><cinema>"
           "<cinemaid>2002</cinemaid></cinema></data>");
    ScreeningRecorder films;
    OpcRecorder cinemas;
    context()->movieOnFSCProvider()->fscDelegate = &films;
    context()->opcListProvider()->opcListDelegate = &cinemas;
    context()->movieOnFSCProvider()->requestOnPlayMovieListForCinema(QStringLiteral("2001"));
    context()->opcListProvider()->requestOpcList(QDate(2026, 12, 5));
    ASSERT_TRUE(films.waitForCalls());
    ASSERT_TRUE(cinemas.waitForCalls());

    ASSERT_EQ(films.record->mpiArray.size(), 2);
    EXPECT_EQ(films.record->mpiArray[0]->moviename, QStringLiteral("星际归途"));
    EXPECT_EQ(films.record->mpiArray[1]->movieid, QStringLiteral("1002"));
    ASSERT_EQ(cinemas.record->cinemaArray.size(), 2);
    EXPECT_EQ(cinemas.record->cinemaArray[0]->relatedid, QStringLiteral("r1"));
    EXPECT_EQ(cinemas.record->cinemaArray[0]->cinemaname, QStringLiteral("甲"));
    EXPECT_EQ(cinemas.record->cinemaArray[1]->cinemaid, QStringLiteral("2002"));
    EXPECT_TRUE(
        sentQuery("outorder/opcList.xhtml").startsWith(QStringLiteral("playdate=2026-12-05&key=")));
}
