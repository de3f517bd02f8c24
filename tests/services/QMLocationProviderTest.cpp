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
