#include "services/QMFixedPositionSource.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"

#include <QGeoCoordinate>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Counts the provider's announcements and what its delegate hears.
class Listener : public QObject, public QMLocationProviderDelegate
{
public:
    Listener()
    {
        QMNotificationCenter::defaultCenter().addObserver(this, kLocationNotification,
                                                          [this](QObject *) { ++posted; });
    }
    void locationProviderDidUpdateToNewLocation(QMLocationProvider *,
                                                const QGeoPositionInfo &) override
    {
        ++fixes;
    }
    void locationProviderDidiRunIntoError(QMLocationProvider *, const QString &) override
    {
        ++failures;
    }
    int posted = 0;
    int fixes = 0;
    int failures = 0;
};

// A platform source that never says anything, as a desktop's often does.
class SilentSource : public QGeoPositionInfoSource
{
public:
    SilentSource()
        : QGeoPositionInfoSource(nullptr)
    {}
    QGeoPositionInfo lastKnownPosition(bool) const override { return {}; }
    PositioningMethods supportedPositioningMethods() const override
    {
        return AllPositioningMethods;
    }
    int minimumUpdateInterval() const override { return 1000; }
    Error error() const override { return NoError; }
    void startUpdates() override { ++started; }
    void stopUpdates() override {}
    void requestUpdate(int) override {}
    int started = 0;
};

QGeoPositionInfo fix(double latitude, double longitude)
{
    return QGeoPositionInfo(QGeoCoordinate(latitude, longitude), QDateTime::currentDateTimeUtc());
}
} // namespace

TEST(LocationProvider, KeepsTheLastFixAndAnnouncesEveryOne)
{
    QMLocationProvider provider(QStringLiteral("/nonexistent.nmea"));
    Listener listener;
    provider.locationDelegate = &listener;
    EXPECT_EQ(provider.currentLocation().latitude, 0);
    EXPECT_EQ(provider.currentLocation().longitude, 0);

    provider.locationManagerDidUpdateToLocation(fix(31.23, 121.47));
    provider.locationManagerDidUpdateToLocation(fix(31.24, 121.48));
    provider.locationManagerDidUpdateToLocation(fix(31.25, 121.49));
    EXPECT_EQ(listener.posted, 3);
    EXPECT_EQ(listener.fixes, 3);
    EXPECT_DOUBLE_EQ(provider.currentLocation().latitude, 31.25);
    EXPECT_DOUBLE_EQ(provider.currentLocation().longitude, 121.49);

    // A failure after a fix keeps the fix and is still announced.
    provider.locationManagerDidFailWithError(QStringLiteral("lost"));
    EXPECT_EQ(listener.posted, 4);
    EXPECT_EQ(listener.failures, 1);
    EXPECT_DOUBLE_EQ(provider.currentLocation().latitude, 31.25);

    // A source that keeps failing is announced once until it delivers again.
    provider.locationManagerDidFailWithError(QStringLiteral("lost"));
    EXPECT_EQ(listener.posted, 4);
    provider.locationManagerDidUpdateToLocation(fix(31.2, 121.4));
    provider.locationManagerDidFailWithError(QStringLiteral("lost"));
    EXPECT_EQ(listener.posted, 6);

    // An invalid coordinate is no fix.
    provider.locationManagerDidUpdateToLocation(QGeoPositionInfo());
    EXPECT_EQ(listener.posted, 6);
}

TEST(LocationProvider, WithoutASourceAnnouncesOneFailureFromTheRunLoop)
{
    QMLocationProvider provider(QStringLiteral("/nonexistent.nmea"));
    Listener listener;
    provider.locationDelegate = &listener;
    provider.updateLocation();
    EXPECT_EQ(listener.posted, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.posted == 1; }, 3000));
    QTest::qWait(100);
    EXPECT_EQ(listener.posted, 1);
    EXPECT_EQ(listener.failures, 1);
    EXPECT_EQ(provider.currentLocation().latitude, 0);
}

TEST(LocationProvider, ReplaysTheWalkAroundPeoplesSquare)
{
    QMLocationProvider provider(QStringLiteral(QM_SOURCE_DIR "/data/shanghai-walk.nmea"));
    Listener listener;
    provider.updateLocation();
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.posted >= 2; }, 10000));
    EXPECT_EQ(listener.failures, 0);
    const QMLocationProvider::Coordinate here = provider.currentLocation();
    EXPECT_NEAR(here.latitude, 31.232, 0.005);
    EXPECT_NEAR(here.longitude, 121.473, 0.005);
}

TEST(LocationProvider, AnUnreadableLogIsNoSource)
{
    QTemporaryDir dir;
    const QString garbage = dir.filePath(QStringLiteral("garbage.nmea"));
    QFile file(garbage);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("$GPRMC,not,a,fix*00\r\n\x01\x02\xff garbage\r\n");
    file.close();
    QMLocationProvider provider(garbage);
    Listener listener;
    provider.locationDelegate = &listener;
    provider.updateLocation();
    QTest::qWait(1500);
    EXPECT_EQ(listener.fixes, 0);
    EXPECT_EQ(provider.currentLocation().latitude, 0);
}

TEST(LocationProvider, ASilentSourceIsAnnouncedAsFailedOnceAndItsLaterFixesStillCount)
{
    auto source = std::make_unique<SilentSource>();
    SilentSource *silent = source.get();
    QMLocationProvider provider(std::move(source));
    Listener listener;
    provider.locationDelegate = &listener;
    provider.setSilenceTimeout(100);
    provider.updateLocation();
    EXPECT_EQ(silent->started, 1);
    EXPECT_EQ(listener.posted, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return listener.posted == 1; }, 3000));
    EXPECT_EQ(listener.failures, 1);
    QTest::qWait(300);
    EXPECT_EQ(listener.posted, 1); // once
    EXPECT_FALSE(provider.hasLocation());

    emit silent->positionUpdated(fix(31.2304, 121.4737));
    EXPECT_EQ(listener.posted, 2);
    EXPECT_EQ(listener.fixes, 1);
    EXPECT_TRUE(provider.hasLocation());
    EXPECT_DOUBLE_EQ(provider.currentLocation().latitude, 31.2304);
}

TEST(LocationProvider, ASourceThatAnswersInTimeIsNeverCalledSilent)
{
    for (const bool answersWithAnError : {false, true}) {
        auto source = std::make_unique<SilentSource>();
        SilentSource *silent = source.get();
        QMLocationProvider provider(std::move(source));
        Listener listener;
        provider.setSilenceTimeout(150);
        provider.updateLocation();
        if (answersWithAnError)
            emit silent->errorOccurred(QGeoPositionInfoSource::AccessError);
        else
            emit silent->positionUpdated(fix(31.2, 121.4));
        QTest::qWait(400);
        EXPECT_EQ(listener.posted, 1);
    }
}

TEST(LocationProvider, AFixedPositionArrivesLikeAFixAndWinsOverTheNmeaLog)
{
    ASSERT_FALSE(QMLocationProvider::fixedPosition());
    QMLocationProvider::setFixedPosition(QMLocationProvider::Coordinate{-33.8688, 151.2093});
    {
        // The registry's provider; the tests' environment names the walk in QM_NMEA_FILE too.
        QMLocationProvider provider;
        Listener listener;
        provider.locationDelegate = &listener;
        provider.updateLocation();
        EXPECT_EQ(listener.posted, 0); // from the run loop, like a real source
        ASSERT_TRUE(QTest::qWaitFor([&] { return listener.posted == 1; }, 3000));
        EXPECT_EQ(listener.fixes, 1);
        EXPECT_TRUE(provider.hasLocation());
        EXPECT_DOUBLE_EQ(provider.currentLocation().latitude, -33.8688);
        EXPECT_DOUBLE_EQ(provider.currentLocation().longitude, 151.2093);
    }
    QMLocationProvider::setFixedPosition(std::nullopt);
    EXPECT_FALSE(QMLocationProvider::fixedPosition());
}

TEST(FixedPosition, ReadsLatitudeCommaLongitudeInDecimalDegrees)
{
    const auto read = [](const char *text) {
        return QMFixedPositionSource::parse(QString::fromUtf8(text));
    };
    ASSERT_TRUE(read("31.2304,121.4737"));
    EXPECT_DOUBLE_EQ(read("31.2304,121.4737")->latitude(), 31.2304);
    EXPECT_DOUBLE_EQ(read("31.2304,121.4737")->longitude(), 121.4737);
    EXPECT_TRUE(read(" -33.8688 , +151.2093 "));
    EXPECT_TRUE(read("90,-180"));
    EXPECT_TRUE(read("-90,180"));
    EXPECT_TRUE(read("0,0"));
    EXPECT_TRUE(read(".5,7."));

    for (const char *bad : {"",
                            " ",
                            "31.2304",
                            "31.2304,",
                            ",121.4",
                            "31.2304,121.4737,8",
                            "31.2304;121.4737",
                            "31,2304 121,4737",
                            "north,east",
                            "nan,0",
                            "0,inf",
                            "1e1,2",
                            "0x1f,2",
                            "31.2.3,121",
                            "３１,１２１",
                            "--1,2",
                            "90.0001,0",
                            "-90.5,0",
                            "0,180.01",
                            "0,-181",
                            "99999999999999999999999999999999999999999999,0"}) {
        QString why;
        EXPECT_FALSE(QMFixedPositionSource::parse(QString::fromUtf8(bad), &why)) << bad;
        EXPECT_FALSE(why.isEmpty()) << bad;
    }
    QString why;
    QMFixedPositionSource::parse(QStringLiteral("91,0"), &why);
    EXPECT_TRUE(why.contains(QStringLiteral("latitude"))) << why.toStdString();
    QMFixedPositionSource::parse(QStringLiteral("0,200"), &why);
    EXPECT_TRUE(why.contains(QStringLiteral("longitude"))) << why.toStdString();
}
