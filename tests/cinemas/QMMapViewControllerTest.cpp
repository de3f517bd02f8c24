#include "app/QMDataContext.h"
#include "cinemas/Cinema.h"
#include "cinemas/CinemaList.h"
#include "cinemas/QMAnnotation.h"
#include "cinemas/QMMapViewController.h"
#include "cinemas/QMTMCinemaProvider.h"
#include "cinemas/SimpleCinema.h"
#include "films/MovieList.h"
#include "films/QMOnPlayListProvider.h"
#include "kit/QMMapCalloutView.h"
#include "kit/QMMapView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMPinAnnotationView.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMUserLocation.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"
#include "services/QMResourceImages.h"

#include "QMTestDocuments.h"
#include "QMTestRecorders.h"
#include "QMTestService.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

namespace {

std::shared_ptr<SimpleCinema> cinemaAt(double latitude, double longitude, bool open,
                                       const QString &name = QStringLiteral("人民广场影城"))
{
    auto cinema = std::make_shared<SimpleCinema>();
    cinema->cinemaid = QStringLiteral("2001");
    cinema->cinemaname = name;
    cinema->address = QStringLiteral("黄浦区西藏中路100号");
    cinema->pointy = latitude;
    cinema->pointx = longitude;
    cinema->open = open;
    return cinema;
}

// The map screen as the phone shows it: in a window, on a navigation stack, over a first screen.
class CinemaMap : public ::testing::Test
{
protected:
    void SetUp() override
    {
        location()->setCurrentLocation({31.2310, 121.4740});
        window.makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        const char *titles[] = {"电 影", "影 院", "叽 喳"};
        const char *images[] = {"movie.png", "cinema.png", "myQMR.png"};
        std::vector<std::unique_ptr<QMViewController>> stacks;
        for (int i = 0; i < 3; ++i) {
            auto root = std::make_unique<QMViewController>();
            root->setTitle(QStringLiteral("影院"));
            auto tab = std::make_unique<QMNavigationController>(std::move(root));
            tab->setTintColor(QMKitStyle::tintColor());
            tab->tabBarItem()->setTitle(QString::fromUtf8(titles[i]));
            tab->tabBarItem()->setImage(QMResourceImages::named(QLatin1String(images[i])));
            if (i == 1)
                stack = tab.get();
            stacks.push_back(std::move(tab));
        }
        tabs.setViewControllers(std::move(stacks));
        tabs.setSelectedIndex(1);
        window.setRootViewController(&tabs);
    }
    void TearDown() override
    {
        window.setRootViewController(nullptr);
        QMDataContext::CloseDataContext();
    }

    static QMLocationProvider *location()
    {
        return QMDataContext::CurrentDataContext()->locationProvider();
    }

    // Pushes the screen and waits until it is in place and its pins have landed.
    QMMapViewController *show(std::unique_ptr<QMMapViewController> screen)
    {
        QMMapViewController *shown = screen.get();
        stack->push(std::move(screen), true);
        const bool settled = QTest::qWaitFor(
            [&] {
                return !stack->isTransitioning() && stack->topViewController() == shown &&
                       shown->mapView() && !shown->mapView()->isAnimatingDrops();
            },
            5000);
        return settled ? shown : nullptr;
    }

    static QMPinAnnotationView *pinOf(QMMapView *map, int index = 0)
    {
        return qobject_cast<QMPinAnnotationView *>(
            map->viewForAnnotation(map->annotations().value(index).get()));
    }

    QMWindow window;
    QMTabBarController tabs;
    QMNavigationController *stack = nullptr; // the cinemas tab
};

TEST_F(CinemaMap, OneCinemaIsAPinAtTheCentreGreenWhenItSellsTicketsAndRedOtherwise)
{
    QMMapViewController *screen =
        show(QMMapViewController::forCinema(*cinemaAt(31.2286, 121.4752, true)));
    ASSERT_TRUE(screen);
    QMMapView *map = screen->mapView();
    EXPECT_EQ(map->geometry(), QRect(0, 0, 320, 368));
    EXPECT_NEAR(screen->mapRegion().latitudeDelta, 0.01, 1e-12);
    EXPECT_NEAR(std::min(map->region().latitudeDelta, map->region().longitudeDelta), 0.01, 1e-6);
    ASSERT_EQ(map->annotations().size(), 1);
    QMPinAnnotationView *pin = pinOf(map);
    ASSERT_TRUE(pin);
    EXPECT_EQ(pin->pinColor(), QMPinAnnotationView::PinColor::Green);
    EXPECT_EQ(pin->reuseIdentifier(), QStringLiteral("Annotation"));
    EXPECT_TRUE(pin->animatesDrop());
    // The needle's tip at the map's centre.
    const QRectF frame = map->frameOfAnnotationView(pin);
    EXPECT_NEAR(frame.center().x(), 160, 1e-6);
    EXPECT_NEAR(frame.bottom() - 1, 184, 1e-6);
    const auto *marker = dynamic_cast<QMAnnotation *>(map->annotations().first().get());
    ASSERT_TRUE(marker);
    EXPECT_EQ(marker->orderType(), 0u);
    EXPECT_EQ(marker->coordinate(), QMMapCoordinate({31.2286, 121.4752}));
    stack->pop(false);

    Cinema closed(*cinemaAt(31.2286, 121.4752, false));
    closed.content = QStringLiteral("暂未开通在线购票。");
    screen = show(QMMapViewController::forCinema(closed));
    ASSERT_TRUE(screen);
    ASSERT_TRUE(pinOf(screen->mapView()));
    EXPECT_EQ(pinOf(screen->mapView())->pinColor(), QMPinAnnotationView::PinColor::Red);
    EXPECT_EQ(
        dynamic_cast<QMAnnotation *>(screen->mapView()->annotations().first().get())->orderType(),
        1u);
}

TEST_F(CinemaMap, ATouchedPinShowsTheCinemasNameAndAddressUntilTheMapIsTouchedElsewhere)
{
    QMMapViewController *screen =
        show(QMMapViewController::forCinema(*cinemaAt(31.2286, 121.4752, true)));
    ASSERT_TRUE(screen);
    QMMapView *map = screen->mapView();
    QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(160, 184 - 27));
    QMMapCalloutView *callout = map->calloutView();
    ASSERT_TRUE(callout->isVisible());
    EXPECT_EQ(callout->title(), QStringLiteral("人民广场影城"));
    EXPECT_EQ(callout->subtitle(), QStringLiteral("黄浦区西藏中路100号"));
    QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(60, 320));
    EXPECT_FALSE(callout->isVisible());
}

TEST_F(CinemaMap, WithoutMarkersItShowsOnlyTheUsersPositionAndFollowsIt)
{
    auto empty = std::make_unique<QMMapViewController>();
    empty->setMapRegion({{31.2310, 121.4740}, 0.02, 0.02});
    QMMapViewController *screen = show(std::move(empty));
    ASSERT_TRUE(screen);
    QMMapView *map = screen->mapView();
    EXPECT_TRUE(map->annotations().isEmpty());
    EXPECT_TRUE(map->showsUserLocation());
    ASSERT_TRUE(map->viewForAnnotation(map->userLocation()));
    EXPECT_EQ(map->userLocation()->coordinate(), QMMapCoordinate({31.2310, 121.4740}));

    location()->setCurrentLocation({31.2320, 121.4750});
    QMNotificationCenter::defaultCenter().post(kLocationNotification, location());
    EXPECT_EQ(map->userLocation()->coordinate(), QMMapCoordinate({31.2320, 121.4750}));
}

TEST_F(CinemaMap, ComingBackHandsTheMarkersOverAgainWithoutDoublingThem)
{
    QMMapViewController *screen =
        show(QMMapViewController::forCinema(*cinemaAt(31.2286, 121.4752, true)));
    ASSERT_TRUE(screen);
    QMAnnotationView *pin = pinOf(screen->mapView());
    stack->push(std::make_unique<QMViewController>(), false);
    stack->pop(false);
    ASSERT_EQ(stack->topViewController(), screen);
    EXPECT_EQ(screen->mapView()->annotations().size(), 1);
    EXPECT_EQ(pinOf(screen->mapView()), pin);
}

TEST_F(CinemaMap, TheTitleBarShowsOnlyTheNaviTitle)
{
    auto all = std::make_unique<QMMapViewController>();
    all->setTitle(QStringLiteral("不显示"));
    QMMapViewController *screen = show(std::move(all));
    ASSERT_TRUE(screen);
    auto *label = qobject_cast<QLabel *>(screen->navigationItem()->titleView());
    ASSERT_TRUE(label);
    EXPECT_TRUE(label->text().isEmpty()) << "no naviTitle, an empty bar";
    EXPECT_TRUE(label->isVisible());
    screen->setNaviTitle(QStringLiteral("全部影院"));
    EXPECT_EQ(label->text(), QStringLiteral("全部影院"));
    EXPECT_NEAR(QFontInfo(label->font()).pixelSize(), 18, 1);
}

TEST_F(CinemaMap, AllCinemasOfAFilmLeaveOutTheUnplacedAndShowEveryOtherOne)
{
    QList<std::shared_ptr<SimpleCinema>> cinemas{
        cinemaAt(31.20, 121.40, true, "甲"),    cinemaAt(31.25, 0, true, "无经度"),
        cinemaAt(0.05, 121.45, true, "无纬度"), cinemaAt(31.22, 121.42, false, "乙"),
        cinemaAt(31.24, 121.44, true, "丙"),    cinemaAt(31.26, 121.46, true, "丁")};
    auto all = QMMapViewController::forCinemas(cinemas);
    EXPECT_EQ(all->naviTitle(), QStringLiteral("全部影院"));
    ASSERT_EQ(all->annotationArray().size(), 4);
    EXPECT_EQ(all->annotationArray().at(1)->title(), QStringLiteral("乙"));
    EXPECT_EQ(dynamic_cast<QMAnnotation *>(all->annotationArray().at(1).get())->orderType(), 1u);
    const QMMapRegion region = all->mapRegion();
    EXPECT_NEAR(region.center.latitude, 31.23, 1e-5);
    EXPECT_NEAR(region.center.longitude, 121.43, 1e-5);
    EXPECT_EQ(region.latitudeDelta, region.longitudeDelta);
    // Steps of 0.02 would give 0.044, which cuts off both ends of a row 0.06 long.
    EXPECT_GE(region.latitudeDelta, 0.06);

    QMMapViewController *screen = show(std::move(all));
    ASSERT_TRUE(screen);
    for (const auto &annotation : screen->mapView()->annotations()) {
        const QRectF frame = screen->mapView()->frameOfAnnotationView(
            screen->mapView()->viewForAnnotation(annotation.get()));
        EXPECT_TRUE(QRectF(0, 0, 320, 368).contains(frame)) << annotation->title().toStdString();
    }
    stack->pop(false);

    // One cinema: no steps, centred on it.
    const QMMapRegion one =
        QMMapViewController::forCinemas({cinemaAt(31.2, 121.4, true)})->mapRegion();
    EXPECT_NEAR(one.center.latitude, 31.2, 1e-5);
    EXPECT_NEAR(one.center.longitude, 121.4, 1e-5);
    EXPECT_EQ(one.latitudeDelta, 0);
    // None placed: around the user rather than at 0° 0°.
    const auto none = QMMapViewController::forCinemas({cinemaAt(0, 0, true)});
    EXPECT_TRUE(none->annotationArray().isEmpty());
    EXPECT_NEAR(none->mapRegion().center.latitude, 31.2310, 1e-9);
    EXPECT_NEAR(none->mapRegion().center.longitude, 121.4740, 1e-9);
}

TEST_F(CinemaMap, ClosingWhileThePinsFallLeavesNothingBehind)
{
    auto screen = QMMapViewController::forCinema(*cinemaAt(31.2286, 121.4752, true));
    QPointer<QMMapViewController> shown = screen.get();
    stack->push(std::move(screen), false);
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->mapView()->isAnimatingDrops(); }, 3000));
    QPointer<QMMapView> map = shown->mapView();
    stack->pop(false);
    QTest::qWait(50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(map);
    QTest::qWait(100);
}

// The maps as a user sees them, with the stand-in service's cinemas; saved under
// QM_SCREENSHOT_DIR when it is set.
class CinemaMapPictures : public CinemaMap
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(service.isRunning()) << service.log().toStdString();
        QMDataProvider::setBaseAddressForTesting(service.baseUrl());
        CinemaMap::SetUp();
        location()->setCurrentLocation({31.2318, 121.4761});
    }
    void TearDown() override
    {
        CinemaMap::TearDown();
        QMDataProvider::CloseDataProvider();
        QMDataProvider::setBaseAddressForTesting({});
    }
    void keep(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (!dir.isEmpty() && QDir().mkpath(dir))
            window.saveScreenshot(QDir(dir).filePath(name));
    }

    QMTestDocuments documents;
    QMTestService service;
};

TEST_F(CinemaMapPictures, OneCinemaAndAllCinemasShowingAFilm)
{
    NowShowingRecorder films;
    QMOnPlayListProvider *filmProvider = QMDataContext::CurrentDataContext()->onPlayListProvider();
    filmProvider->playListDelegate = &films;
    filmProvider->sendRequest();
    ASSERT_TRUE(films.waitForCalls());
    ASSERT_TRUE(films.record && !films.record->movieListArray.isEmpty());

    CinemaListRecorder cinemas;
    QMTMCinemaProvider *provider = QMDataContext::CurrentDataContext()->tmCinemaProvider();
    provider->cinemaDelegate = &cinemas;
    provider->requestCinemasForMovie(films.record->movieListArray.first()->movieid);
    ASSERT_TRUE(cinemas.waitForCalls());
    ASSERT_TRUE(cinemas.record);
    const QList<std::shared_ptr<SimpleCinema>> list = cinemas.record->cinemaArray;
    ASSERT_GE(list.size(), 10);

    // The first seeded cinema is at People's Square.
    const auto square = std::find_if(list.cbegin(), list.cend(), [](const auto &cinema) {
        return std::abs(cinema->pointy - 31.2286) < 1e-3 &&
               std::abs(cinema->pointx - 121.4752) < 1e-3;
    });
    ASSERT_NE(square, list.cend());
    QMMapViewController *one = show(QMMapViewController::forCinema(**square));
    ASSERT_TRUE(one);
    QTest::mouseClick(one->mapView(), Qt::LeftButton, {}, QPoint(160, 184 - 27));
    ASSERT_TRUE(one->mapView()->calloutView()->isVisible());
    keep(QStringLiteral("map-one.png"));
    stack->pop(false);

    QMMapViewController *all = show(QMMapViewController::forCinemas(list));
    ASSERT_TRUE(all);
    int green = 0, red = 0;
    for (const auto &annotation : all->mapView()->annotations()) {
        auto *pin = qobject_cast<QMPinAnnotationView *>(
            all->mapView()->viewForAnnotation(annotation.get()));
        ASSERT_TRUE(pin);
        (pin->pinColor() == QMPinAnnotationView::PinColor::Green ? green : red)++;
    }
    EXPECT_GT(green, 0);
    EXPECT_GT(red, 0);
    keep(QStringLiteral("map-many.png"));
}

} // namespace
