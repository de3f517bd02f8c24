#include "KitTestSupport.h"

#include "QMSSampleData.h"
#include "QMTestDocuments.h"
#include "QMTestHttpServer.h"

#include "kit/QMAnnotationView.h"
#include "kit/QMBaseMap.h"
#include "kit/QMMapAnnotation.h"
#include "kit/QMMapCalloutView.h"
#include "kit/QMMapProjection.h"
#include "kit/QMMapScaleBar.h"
#include "kit/QMMapTileLayer.h"
#include "kit/QMMapView.h"
#include "kit/QMPinAnnotationView.h"
#include "kit/QMUserLocation.h"
#include "kit/QMUserLocationView.h"
#include "services/QMImageCache.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QPainter>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

const QMMapCoordinate peoplesSquare{31.2304, 121.4737};

class Place : public QMMapAnnotation
{
public:
    Place(double latitude, double longitude, const QString &title = {},
          const QString &subtitle = {})
        : m_coordinate{latitude, longitude}
        , m_title(title)
        , m_subtitle(subtitle)
    {}
    QMMapCoordinate coordinate() const override { return m_coordinate; }
    QString title() const override { return m_title; }
    QString subtitle() const override { return m_subtitle; }

private:
    QMMapCoordinate m_coordinate;
    QString m_title;
    QString m_subtitle;
};

std::shared_ptr<QMMapAnnotation> place(double latitude, double longitude, const QString &title = {},
                                       const QString &subtitle = {})
{
    return std::make_shared<Place>(latitude, longitude, title, subtitle);
}

// A screen's side of the map: green pins for titles starting with "G", pictures for titles
// starting with "P", the map's own choice otherwise; selections written down.
class Screen : public QObject, public QMMapViewDelegate
{
public:
    std::unique_ptr<QMAnnotationView>
    mapViewViewForAnnotation(QMMapView *map,
                             const std::shared_ptr<QMMapAnnotation> &annotation) override
    {
        const QString title = annotation->title();
        if (title.startsWith(QLatin1Char('P'))) {
            std::unique_ptr<QMAnnotationView> view = map->dequeueReusableAnnotationView("Face");
            if (!view)
                view = std::make_unique<QMAnnotationView>(annotation, QStringLiteral("Face"));
            QImage portrait(40, 40, QImage::Format_RGB32);
            portrait.fill(QColor(250, 140, 20));
            view->setImage(portrait);
            view->setSize(QSizeF(10, 10));
            view->setCanShowCallout(true);
            return view;
        }
        if (!title.startsWith(QLatin1Char('G')))
            return nullptr;
        std::unique_ptr<QMAnnotationView> reused = map->dequeueReusableAnnotationView("Pin");
        std::unique_ptr<QMPinAnnotationView> pin(
            static_cast<QMPinAnnotationView *>(reused.release()));
        if (!pin)
            pin = std::make_unique<QMPinAnnotationView>(annotation, QStringLiteral("Pin"));
        pin->setPinColor(QMPinAnnotationView::PinColor::Green);
        pin->setAnimatesDrop(dropping);
        pin->setCanShowCallout(true);
        ++made;
        return pin;
    }
    void mapViewDidSelectAnnotationView(QMMapView *, QMAnnotationView *view) override
    {
        log.append("select " + view->annotation()->title());
    }
    void mapViewDidDeselectAnnotationView(QMMapView *map, QMAnnotationView *view) override
    {
        log.append("deselect " + view->annotation()->title());
        if (removeOnDeselect)
            map->removeAnnotation(view->annotation());
    }

    bool dropping = false;
    bool removeOnDeselect = false;
    int made = 0;
    QStringList log;
};

void wheel(QMMapView &map, QPointF at, int angle)
{
    QWheelEvent event(at, map.mapToGlobal(at), QPoint(), QPoint(0, angle), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&map, &event);
}

class MapView : public ::testing::Test
{
protected:
    void SetUp() override
    {
        map.resize(320, 368);
        map.setDelegate(&screen);
        map.setRegion({peoplesSquare, 0.01, 0.01});
        map.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    }

    QImage picture() { return map.grab().toImage(); }
    QColor colorAt(const QImage &image, QPointF point)
    {
        return image.pixelColor((point * image.devicePixelRatio()).toPoint());
    }
    // The middle of a pin's head, for a pin whose needle ends at point.
    static QPointF headOf(QPointF tip) { return tip - QPointF(0, 27); }

    void wheel(QPointF at, int angle) { ::wheel(map, at, angle); }

    Screen screen;
    QMMapView map;
};

// Saves a picture to look at when QM_SCREENSHOT_DIR names a directory.
void keep(const QImage &image, const QString &name)
{
    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        QDir().mkpath(dir);
        image.save(QDir(dir).filePath(name));
    }
}

TEST(MapProjection, RoundTripsAndPlacesKnownPoints)
{
    const QPointF origin = QMMapProjection::worldPoint({0, 0});
    EXPECT_DOUBLE_EQ(origin.x(), 0.5);
    EXPECT_NEAR(origin.y(), 0.5, 1e-12);
    EXPECT_NEAR(QMMapProjection::worldPoint({QMMapProjection::maximumLatitude, -180}).y(), 0, 1e-9);
    EXPECT_NEAR(QMMapProjection::worldPoint({-QMMapProjection::maximumLatitude, 180}).x(), 1,
                1e-12);
    // Beyond the limit: drawn at the limit.
    EXPECT_NEAR(QMMapProjection::worldPoint({89.9, 0}).y(), 0, 1e-9);

    for (const QMMapCoordinate c : {peoplesSquare, QMMapCoordinate{-33.86, 151.21},
                                    QMMapCoordinate{84.9, -179.9}, QMMapCoordinate{-60, 0.001}}) {
        const QMMapCoordinate back = QMMapProjection::coordinate(QMMapProjection::worldPoint(c));
        EXPECT_NEAR(back.latitude, c.latitude, 1e-9);
        EXPECT_NEAR(back.longitude, c.longitude, 1e-9);
    }
    // A degree of longitude in Shanghai is about 95 km.
    EXPECT_NEAR(QMMapProjection::metresPerWorldUnit(31.23) / 360, 95200, 200);
}

TEST(MapRegion, ClampsSpansAndLatitudesAndKeepsTheFallbackForNonNumbers)
{
    const QMMapRegion current{peoplesSquare, 0.05, 0.05};

    QMMapRegion tiny = QMMapRegion{peoplesSquare, 0, 1e-9}.clamped(current);
    EXPECT_EQ(tiny.latitudeDelta, QMMapRegion::minimumDelta);
    EXPECT_EQ(tiny.longitudeDelta, QMMapRegion::minimumDelta);
    QMMapRegion huge = QMMapRegion{peoplesSquare, 500, -900}.clamped(current);
    EXPECT_EQ(huge.latitudeDelta, 180);
    EXPECT_EQ(huge.longitudeDelta, 360);
    EXPECT_EQ(QMMapRegion({{89, 10}, 1, 1}).clamped(current).center.latitude, 85);
    EXPECT_EQ(QMMapRegion({{-90, 10}, 1, 1}).clamped(current).center.latitude, -85);
    EXPECT_NEAR(QMMapRegion({{0, 190}, 1, 1}).clamped(current).center.longitude, -170, 1e-9);

    const QMMapRegion lost = QMMapRegion{{nan, 121}, 0.02, 0.02}.clamped(current);
    EXPECT_EQ(lost.center, peoplesSquare);
    EXPECT_EQ(lost.latitudeDelta, 0.02);
    EXPECT_EQ(QMMapRegion({{31, infinity}, 0.02, 0.02}).clamped(current).center, peoplesSquare);
    const QMMapRegion noSpan = QMMapRegion{peoplesSquare, nan, infinity}.clamped(current);
    EXPECT_EQ(noSpan.latitudeDelta, 0.05);
    EXPECT_EQ(noSpan.longitudeDelta, 0.05);

    const QMMapRegion kilometre = QMMapRegion::withDistance(peoplesSquare, 1000, 1000);
    EXPECT_NEAR(kilometre.latitudeDelta, 0.00898, 0.00002);
    EXPECT_NEAR(kilometre.longitudeDelta, 0.01050, 0.00002);
}

TEST_F(MapView, ShowsTheRegionAskedForWidenedToItsShape)
{
    const QMMapRegion shown = map.region();
    EXPECT_NEAR(shown.center.latitude, peoplesSquare.latitude, 1e-9);
    EXPECT_NEAR(shown.center.longitude, peoplesSquare.longitude, 1e-9);
    // The region fits one way and is wider the other.
    EXPECT_GE(shown.latitudeDelta, 0.01 - 1e-9);
    EXPECT_GE(shown.longitudeDelta, 0.01 - 1e-9);
    EXPECT_TRUE(std::abs(shown.latitudeDelta - 0.01) < 1e-6 ||
                std::abs(shown.longitudeDelta - 0.01) < 1e-6);
    EXPECT_EQ(map.convertCoordinate(peoplesSquare), QPointF(160, 184));

    // Nonsense keeps the map where it is; out of range is clamped.
    map.setRegion({{nan, nan}, 0.01, 0.01});
    EXPECT_NEAR(map.region().center.latitude, peoplesSquare.latitude, 1e-9);
    map.setRegion({{31.23, 121.47}, 0, 0});
    EXPECT_NEAR(std::min(map.region().latitudeDelta, map.region().longitudeDelta),
                QMMapRegion::minimumDelta, 1e-9);
    map.setRegion({{88, 0}, 400, 400});
    EXPECT_NEAR(map.region().longitudeDelta, 360, 1e-6);
    EXPECT_LE(map.region().center.latitude, 85 + 1e-9);
    EXPECT_EQ(picture().size(), QSize(320, 368) * map.devicePixelRatio());

    // Animated: it gets there.
    map.setRegion({peoplesSquare, 0.1, 0.1}, true);
    EXPECT_TRUE(map.isMoving());
    ASSERT_TRUE(waitUntil([&] { return !map.isMoving(); }));
    EXPECT_NEAR(map.region().center.latitude, peoplesSquare.latitude, 1e-9);
    EXPECT_NEAR(std::min(map.region().latitudeDelta, map.region().longitudeDelta), 0.1, 1e-6);
}

TEST_F(MapView, LeavesOutAnnotationsThatNameNoPlaceOrAreThereAlready)
{
    const auto good = place(31.23, 121.47, "G");
    map.addAnnotations({good, place(nan, 121.47), place(31.23, infinity), place(95, 121),
                        place(31.2, -181), nullptr, good});
    map.addAnnotation(good);
    ASSERT_EQ(map.annotations().size(), 1);
    EXPECT_EQ(map.annotations().first(), good);
    EXPECT_EQ(screen.made, 1);
    picture(); // draws without trouble
}

TEST_F(MapView, DrawsPinsInTheirColoursAndTheUserAsABlueDot)
{
    const auto green = place(31.2304, 121.4717, "G green");
    const auto red = place(31.2304, 121.4757, "red");
    map.addAnnotations({green, red});
    map.setShowsUserLocation(true);
    map.setUserLocationCoordinate({31.2280, 121.4737});
    map.setUserLocationCoordinate({nan, 0}); // ignored

    auto *greenPin = qobject_cast<QMPinAnnotationView *>(map.viewForAnnotation(green.get()));
    auto *redPin = qobject_cast<QMPinAnnotationView *>(map.viewForAnnotation(red.get()));
    ASSERT_TRUE(greenPin && redPin);
    EXPECT_EQ(greenPin->pinColor(), QMPinAnnotationView::PinColor::Green);
    EXPECT_EQ(redPin->pinColor(), QMPinAnnotationView::PinColor::Red);
    ASSERT_TRUE(qobject_cast<QMUserLocationView *>(map.viewForAnnotation(map.userLocation())));
    EXPECT_FALSE(map.annotations().contains(nullptr));
    EXPECT_EQ(map.annotations().size(), 2);

    const QImage image = picture();
    keep(image, "map-kit-pins.png");
    const QColor greenHead = colorAt(image, headOf(map.convertCoordinate(green->coordinate())));
    const QColor redHead = colorAt(image, headOf(map.convertCoordinate(red->coordinate())));
    EXPECT_GT(greenHead.green(), greenHead.red() + 40) << greenHead.name().toStdString();
    EXPECT_GT(redHead.red(), redHead.green() + 60) << redHead.name().toStdString();
    const QColor dot = colorAt(image, map.convertCoordinate({31.2280, 121.4737}));
    EXPECT_GT(dot.blue(), dot.red() + 80) << dot.name().toStdString();

    map.setShowsUserLocation(false);
    EXPECT_FALSE(map.viewForAnnotation(map.userLocation()));
}

TEST_F(MapView, TouchingAPinOpensItsCalloutAndTouchingElsewhereClosesIt)
{
    const auto cinema = place(31.2304, 121.4737, "G 人民广场影城", "黄浦区西藏中路100号");
    const auto other = place(31.2284, 121.4700, "other");
    map.addAnnotations({cinema, other});
    const QPointF tip = map.convertCoordinate(cinema->coordinate());

    EXPECT_EQ(map.annotationViewAt(headOf(tip)), map.viewForAnnotation(cinema.get()));
    EXPECT_EQ(map.annotationViewAt(tip + QPointF(0, -2)), map.viewForAnnotation(cinema.get()));
    EXPECT_FALSE(map.annotationViewAt(tip + QPointF(40, 0)));
    EXPECT_FALSE(map.annotationViewAt(tip + QPointF(0, 12)));

    tap(&map, headOf(tip).toPoint());
    EXPECT_EQ(map.selectedAnnotation(), cinema.get());
    QMMapCalloutView *callout = map.calloutView();
    ASSERT_TRUE(callout->isVisible());
    EXPECT_EQ(callout->title(), cinema->title());
    EXPECT_EQ(callout->subtitle(), cinema->subtitle());
    // Over the pin, pointing at it.
    const QRect bubble = callout->bubbleGeometry();
    EXPECT_LT(bubble.bottom(), headOf(tip).y() - 6);
    EXPECT_LE(bubble.left(), tip.x());
    EXPECT_GE(bubble.right(), tip.x());
    keep(picture(), "map-kit-callout.png");

    // The callout itself keeps it open.
    tap(&map, bubble.center());
    EXPECT_TRUE(callout->isVisible());
    // Another pin moves the selection.
    tap(&map, headOf(map.convertCoordinate(other->coordinate())).toPoint());
    EXPECT_EQ(map.selectedAnnotation(), other.get());
    EXPECT_EQ(callout->title(), QStringLiteral("other"));
    // Anywhere else closes it.
    tap(&map, QPoint(30, 330));
    EXPECT_FALSE(map.selectedAnnotation());
    EXPECT_FALSE(callout->isVisible());
    EXPECT_EQ(screen.log, QStringList({"select " + cinema->title(), "deselect " + cinema->title(),
                                       "select other", "deselect other"}));
}

TEST_F(MapView, ACalloutThatWouldBeCutOffMovesTheMap)
{
    const auto high = place(map.convertPoint(QPointF(160, 40)).latitude, peoplesSquare.longitude,
                            "G 北边的影院", "地址");
    map.addAnnotation(high);
    tap(&map, headOf(map.convertCoordinate(high->coordinate())).toPoint());
    ASSERT_TRUE(map.calloutView()->isVisible());
    ASSERT_TRUE(waitUntil([&] { return !map.isMoving(); }));
    EXPECT_GE(map.calloutView()->bubbleGeometry().top(), 0);
}

TEST_F(MapView, DragPansWithTheFingerAndTheWheelZoomsAboutThePointer)
{
    const QMMapCoordinate grabbed = map.convertPoint(QPointF(160, 200));
    drag(&map, QPoint(160, 200), QPoint(100, 150), 6, 16, 200);
    const QPointF now = map.convertCoordinate(grabbed);
    EXPECT_NEAR(now.x(), 100, 0.5);
    EXPECT_NEAR(now.y(), 150, 0.5);
    EXPECT_FALSE(map.isMoving()) << "a drag that stops before the release does not glide";

    // A flick glides on in its direction and comes to rest.
    const QMMapCoordinate before = map.centerCoordinate();
    drag(&map, QPoint(200, 200), QPoint(120, 200), 4, 10, 1);
    EXPECT_TRUE(map.isMoving());
    ASSERT_TRUE(waitUntil([&] { return !map.isMoving(); }, 5000));
    EXPECT_GT(map.centerCoordinate().longitude, before.longitude);
    const double flung = map.convertCoordinate(before).x();
    EXPECT_LT(flung, 160 - 80 - 10) << "further than the finger went";

    const QMMapCoordinate under = map.convertPoint(QPointF(80, 100));
    const double span = map.region().longitudeDelta;
    wheel(QPointF(80, 100), 240); // two notches in: one zoom level
    EXPECT_NEAR(map.region().longitudeDelta, span / 2, span * 1e-6);
    const QPointF still = map.convertCoordinate(under);
    EXPECT_NEAR(still.x(), 80, 0.5);
    EXPECT_NEAR(still.y(), 100, 0.5);
    wheel(QPointF(80, 100), -240);
    EXPECT_NEAR(map.region().longitudeDelta, span, span * 1e-6);

    // Spreading fingers: a drag upwards with Ctrl held zooms in about where it started.
    const QMMapCoordinate pinned = map.convertPoint(QPointF(160, 250));
    QTest::mousePress(&map, Qt::LeftButton, Qt::ControlModifier, QPoint(160, 250));
    for (int y = 240; y >= 150; y -= 10)
        QTest::mouseMove(&map, QPoint(160, y));
    QTest::mouseRelease(&map, Qt::LeftButton, Qt::ControlModifier, QPoint(160, 150));
    EXPECT_LT(map.region().longitudeDelta, span / 1.5);
    EXPECT_NEAR(map.convertCoordinate(pinned).y(), 250, 0.5);
    EXPECT_FALSE(map.selectedAnnotation());
}

TEST_F(MapView, PinsDropIntoPlaceAndSettleWhereTheirNeedlePoints)
{
    screen.dropping = true;
    QList<std::shared_ptr<QMMapAnnotation>> pins;
    for (int i = 0; i < 8; ++i)
        pins.append(place(31.2264 + 0.001 * i, 121.4700 + 0.001 * i, "G pin"));
    map.addAnnotations(pins);
    ASSERT_TRUE(map.isAnimatingDrops());
    QMAnnotationView *last = map.viewForAnnotation(pins.last().get());
    const QRectF resting = last->frameAt(map.convertCoordinate(pins.last()->coordinate()));
    EXPECT_LT(map.frameOfAnnotationView(last).bottom(), resting.bottom());

    ASSERT_TRUE(waitUntil([&] { return !map.isAnimatingDrops(); }));
    for (const auto &pin : pins) {
        const QPointF tip = map.convertCoordinate(pin->coordinate());
        const QRectF frame = map.frameOfAnnotationView(map.viewForAnnotation(pin.get()));
        EXPECT_NEAR(frame.center().x(), tip.x(), 1e-6);
        EXPECT_NEAR(frame.bottom(), tip.y() + 1, 1e-6) << "the needle's tip is on the point";
    }

    // Going away while falling is fine too.
    map.addAnnotation(place(31.231, 121.472, "G late"));
    EXPECT_TRUE(map.isAnimatingDrops());
    map.removeAllAnimations();
    EXPECT_FALSE(map.isAnimatingDrops());
}

TEST_F(MapView, RemovedViewsAreReusedUnderTheirIdentifier)
{
    const auto first = place(31.2304, 121.4737, "G first");
    map.addAnnotation(first);
    QMAnnotationView *view = map.viewForAnnotation(first.get());
    map.selectAnnotation(first.get(), false);
    map.removeAnnotation(first.get());
    EXPECT_TRUE(map.annotations().isEmpty());
    EXPECT_FALSE(map.calloutView()->isVisible());

    const auto second = place(31.2294, 121.4737, "G second");
    map.addAnnotation(second);
    EXPECT_EQ(map.viewForAnnotation(second.get()), view) << "the same view, taken back";
    EXPECT_EQ(view->annotation(), second.get());
    EXPECT_FALSE(view->isSelected());
    EXPECT_FALSE(map.dequeueReusableAnnotationView("Pin"));
    EXPECT_FALSE(map.dequeueReusableAnnotationView("Face"));
}

TEST_F(MapView, ADelegateMayRemoveAnnotationsWhileItHearsOfThem)
{
    screen.removeOnDeselect = true;
    const auto first = place(31.2304, 121.4737, "G first");
    const auto second = place(31.2284, 121.4700, "G second");
    const auto third = place(31.2324, 121.4760, "G third");
    map.addAnnotations({first, second, third});
    map.selectAnnotation(first.get(), false);
    map.selectAnnotation(second.get(), false);
    EXPECT_EQ(map.selectedAnnotation(), second.get());
    EXPECT_EQ(map.annotations().size(), 2);
    map.removeAnnotation(second.get());
    EXPECT_EQ(map.annotations(), QList<std::shared_ptr<QMMapAnnotation>>{third});
    EXPECT_FALSE(map.selectedAnnotation());
    EXPECT_FALSE(map.calloutView()->isVisible());
    picture();
}

TEST_F(MapView, PictureViewsShowTheirPictureAndTakeTouches)
{
    const auto member = place(31.2304, 121.4737, "P 小明", "3分钟前");
    map.addAnnotation(member);
    QMAnnotationView *view = map.viewForAnnotation(member.get());
    ASSERT_TRUE(view);
    EXPECT_EQ(view->size(), QSizeF(10, 10));
    EXPECT_EQ(view->reuseIdentifier(), QStringLiteral("Face"));

    const QPointF at = map.convertCoordinate(member->coordinate());
    const QColor face = colorAt(picture(), at);
    EXPECT_GT(face.red(), 230);
    EXPECT_LT(face.blue(), 60);
    // Small, but touched like a finger would.
    EXPECT_EQ(map.annotationViewAt(at + QPointF(12, 12)), view);
    tap(&map, (at + QPointF(10, -10)).toPoint());
    EXPECT_EQ(map.calloutView()->title(), QStringLiteral("P 小明"));

    // A new picture is drawn at once.
    QImage other(20, 20, QImage::Format_RGB32);
    other.fill(QColor(20, 90, 240));
    view->setImage(other);
    EXPECT_GT(colorAt(picture(), at).blue(), 200);
}

TEST(MapScaleBar, ChoosesRoundLengthsThatFit)
{
    EXPECT_EQ(QMMapScaleBar::choose(3).metres, 200); // 240 m fit
    EXPECT_EQ(QMMapScaleBar::choose(3).text, QStringLiteral("200 米"));
    EXPECT_NEAR(QMMapScaleBar::choose(3).width, 66.7, 0.1);
    EXPECT_EQ(QMMapScaleBar::choose(70).metres, 5000); // 5.6 km fit
    EXPECT_EQ(QMMapScaleBar::choose(70).text, QStringLiteral("5 公里"));
    EXPECT_EQ(QMMapScaleBar::choose(0.125).metres, 10);
    EXPECT_EQ(QMMapScaleBar::choose(0).width, 0);
    EXPECT_EQ(QMMapScaleBar::choose(nan).width, 0);
}

TEST(BaseMap, NamesTheDistrictsWhereTheServicePlacesThem)
{
    const QMBaseMap &map = QMBaseMap::shanghai();
    QHash<QString, QMMapCoordinate> districts;
    for (const QMBaseMap::Feature &feature : map.features()) {
        if (feature.kind == QMBaseMap::Kind::District)
            districts.insert(feature.name,
                             QMMapProjection::coordinate(feature.parts.front().front()));
    }
    ASSERT_EQ(districts.size(), 16);
    for (const QMSSampleData::District &district : QMSSampleData::districts()) {
        const QString name = QString::fromUtf8(district.name);
        ASSERT_TRUE(districts.contains(name)) << district.name;
        EXPECT_NEAR(districts[name].latitude, district.latitude, 1e-6) << district.name;
        EXPECT_NEAR(districts[name].longitude, district.longitude, 1e-6) << district.name;
    }
}

TEST(BaseMap, DrawsWaterParksAndLandWhereTheyAre)
{
    const QMBaseMap &map = QMBaseMap::shanghai();
    QMMapViewport view;
    view.size = QSizeF(600, 500);
    view.worldSize = 256 * std::exp2(13);
    view.center = QMMapProjection::worldPoint({31.23, 121.50});
    QImage image(600, 500, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    map.draw(&painter, view);
    painter.end();
    keep(image, "map-kit-base.png");
    auto at = [&](double latitude, double longitude) {
        return image.pixelColor(
            view.toView(QMMapProjection::worldPoint({latitude, longitude})).toPoint());
    };
    // Labels may cover a point or two: most of the river is water.
    const QMMapCoordinate river[] = {{31.210, 121.5015}, {31.222, 121.4995},  {31.232, 121.4955},
                                     {31.240, 121.4940}, {31.2465, 121.4975}, {31.2505, 121.505},
                                     {31.2545, 121.515}};
    int water = 0;
    for (const QMMapCoordinate &c : river)
        water += at(c.latitude, c.longitude) == QMBaseMap::waterColor();
    EXPECT_GE(water, 5) << "the Huangpu along the Bund";
    EXPECT_EQ(at(31.2335, 121.4715), QMBaseMap::parkColor()) << "People's Square";
    EXPECT_EQ(at(31.2120, 121.5470), QMBaseMap::parkColor()) << "Century Park";
    EXPECT_EQ(at(31.2550, 121.4800), QMBaseMap::landColor()) << "Zhabei";
}

TEST(BaseMap, LeavesOutWhatItCannotRead)
{
    const QByteArray bad[] = {
        "",
        "{",
        "[1, 2, 3]",
        R"({"features": 5})",
        R"({"features": [{"properties": {"kind": "park"}, "geometry": {"type": "Polygon",
            "coordinates": [[[121, 31], [1e308, 31], [121.1, 31.1]]]}}]})",
        R"({"features": [{"properties": {"kind": "river"}, "geometry": {"type": "LineString",
            "coordinates": [[121, "31"], [121.1]]}}, {"properties": {"kind": "volcano"},
            "geometry": {"type": "Point", "coordinates": [121, 31]}}]})",
        R"({"features": [{"properties": {"kind": "district", "name": "x"},
            "geometry": {"type": "Point", "coordinates": [121, 31]}}]})",
    };
    QImage image(100, 100, QImage::Format_ARGB32_Premultiplied);
    for (const QByteArray &json : bad) {
        const QMBaseMap map(json);
        EXPECT_LE(map.features().size(), 1u) << json.constData();
        QPainter painter(&image);
        map.draw(&painter, QMMapViewport{{0.8, 0.4}, 1e6, QSizeF(100, 100)});
    }
    EXPECT_EQ(QMBaseMap(bad[6]).features().size(), 1u);
}

TEST(MapTileLayer, AddressesTheTilesThatCoverTheView)
{
    EXPECT_EQ(QMMapTileLayer::tileUrl("http://tiles.example/{z}/{x}/{y}.png", 12, 3430, 1673),
              QStringLiteral("http://tiles.example/12/3430/1673.png"));

    QMMapViewport view;
    view.size = QSizeF(320, 368);
    view.worldSize = 256 * std::exp2(14.2); // nearest tiles: zoom 14
    view.center = QMMapProjection::worldPoint(peoplesSquare);
    const QList<QMMapTileLayer::Tile> tiles = QMMapTileLayer::visibleTiles(view);
    ASSERT_FALSE(tiles.isEmpty());
    // The usual slippy-map formulas for the tile under the centre.
    const int n = 1 << 14;
    const int x = int((peoplesSquare.longitude + 180) / 360 * n);
    const double phi = qDegreesToRadians(peoplesSquare.latitude);
    const int y = int((1 - std::asinh(std::tan(phi)) / M_PI) / 2 * n);
    bool centreFound = false;
    QRectF covered;
    for (const QMMapTileLayer::Tile &tile : tiles) {
        EXPECT_EQ(tile.z, 14);
        covered = covered.united(tile.rect);
        if (tile.x == x && tile.y == y) {
            centreFound = true;
            EXPECT_TRUE(tile.rect.contains(QPointF(160, 184)));
        }
    }
    EXPECT_TRUE(centreFound);
    EXPECT_TRUE(covered.contains(QRectF(0, 0, 320, 368)));
    EXPECT_LE(tiles.size(), 9);
}

TEST(MapTileLayer, DrawsAServedTileUnderThePins)
{
    QMTestDocuments documents;
    QMImageCache::CloseCache();
    QImage tile(256, 256, QImage::Format_RGB32);
    tile.fill(QColor(255, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    tile.save(&buffer, "PNG");
    QMTestHttpServer server;
    server.setHandler([&](const QByteArray &) {
        return QMTestHttpServer::Answer{200, png, "image/png", 0, false};
    });

    QMMapView map;
    map.resize(320, 368);
    map.setRegion({peoplesSquare, 0.01, 0.01});
    map.setTileUrlTemplate(server.url("/tiles/{z}/{x}/{y}.png"));
    map.addAnnotation(place(peoplesSquare.latitude, peoplesSquare.longitude, "pin"));
    map.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    ASSERT_TRUE(waitUntil([&] { return map.tileLayer()->loadedTileCount() >= 4; }, 10000));
    const QImage image = map.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    EXPECT_EQ(image.pixelColor((QPointF(30, 30) * ratio).toPoint()), QColor(255, 0, 255));
    const QColor head = image.pixelColor(
        ((map.convertCoordinate(peoplesSquare) - QPointF(0, 27)) * ratio).toPoint());
    EXPECT_GT(head.red(), 150);
    EXPECT_LT(head.blue(), 120) << "the pin over the tile";
    // The tile under the centre, by the usual slippy-map formulas.
    const int z = int(std::lround(map.viewport().zoomLevel()));
    const int n = 1 << z;
    const int x = int((peoplesSquare.longitude + 180) / 360 * n);
    const double phi = qDegreesToRadians(peoplesSquare.latitude);
    const int y = int((1 - std::asinh(std::tan(phi)) / M_PI) / 2 * n);
    EXPECT_TRUE(server.requests().contains(
        QStringLiteral("/tiles/%1/%2/%3.png").arg(z).arg(x).arg(y).toUtf8()))
        << server.requests().join(' ').constData();
    QMImageCache::CloseCache();
}

TEST(MapTileLayer, BadTilesLeaveTheBaseMapAndAreNotAskedForAgainAtOnce)
{
    QMTestDocuments documents;
    QMImageCache::CloseCache();
    QMTestHttpServer server;
    int served = 0;
    server.setHandler([&](const QByteArray &target) {
        ++served;
        if (target.contains("/14/"))
            return QMTestHttpServer::Answer{404, "no such tile", "text/plain", 0, false};
        return QMTestHttpServer::Answer{200, QByteArray(5000, '\x89'), "image/png", 0, false};
    });

    QMMapView map;
    map.resize(320, 368);
    map.setRegion({peoplesSquare, 0.01, 0.01});
    map.setTileUrlTemplate(server.url("/tiles/{z}/{x}/{y}.png"));
    map.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&map));
    ASSERT_TRUE(waitUntil([&] { return served >= 4; }, 10000));
    QTest::qWait(300);
    const int asked = served;
    wheel(map, QPointF(160, 184), -240); // zoom 14: the server has nothing there
    for (int i = 0; i < 5; ++i) {
        map.repaint();
        QTest::qWait(50);
    }
    QTest::qWait(300);
    EXPECT_GT(served, asked);
    const int askedAfterZoom = served;
    wheel(map, QPointF(160, 184), 240); // back: the same broken tiles, not asked for again
    for (int i = 0; i < 5; ++i) {
        map.repaint();
        QTest::qWait(50);
    }
    EXPECT_EQ(served, askedAfterZoom);
    EXPECT_EQ(map.tileLayer()->loadedTileCount(), 0);
    const QImage image = map.grab().toImage();
    EXPECT_NE(image.pixelColor(5, 5), QColor(Qt::black)) << "the base map shows";
    QMImageCache::CloseCache();
}

} // namespace
