#include "app/QMDataContext.h"
#include "app/QMMainAppDelegate.h"
#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"
#include "services/QMLocationProvider.h"

#include "QMTestCinemas.h"
#include "QMTestDocuments.h"
#include "QMTestRecorders.h"
#include "QMTestService.h"

#include <QDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// The whole client on the cinemas tab, against the stand-in service, walking around People's
// Square.
class CinemaTab : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { service = new QMTestService(); }
    static void TearDownTestSuite()
    {
        delete service;
        service = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
        QMDataProvider::setBaseAddressForTesting(service->baseUrl());
        ASSERT_TRUE(delegate->applicationDidFinishLaunching());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
        ASSERT_TRUE(location()->hasLocation());
        QMTabBar *bar = delegate->tabController()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->itemRect(1).center());
        auto *stack = qobject_cast<QMNavigationController *>(
            delegate->tabController()->selectedViewController());
        ASSERT_TRUE(stack);
        screen = qobject_cast<QMCinemaViewController *>(stack->viewControllers().value(0));
        ASSERT_TRUE(screen);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->cinemaArray().isEmpty(); }, 20000));
    }
    void TearDown() override
    {
        delegate.reset();
        QMDataProvider::setBaseAddressForTesting({});
    }

    static QMLocationProvider *location()
    {
        return QMDataContext::CurrentDataContext()->locationProvider();
    }
    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            delegate->window()->saveScreenshot(QDir(dir).filePath(name));
    }
    // Every cinema of the service: without a position the nearby list holds them all.
    static QList<std::shared_ptr<SimpleCinema>> catalogue()
    {
        CinemaListRecorder recorder;
        QMNearbyCinemaProvider *provider =
            QMDataContext::CurrentDataContext()->nearbyCinemaProvider();
        provider->cinemaDelegate = &recorder;
        provider->requestForCinemasNearby({0, 0});
        return recorder.waitForCalls() && recorder.record ? recorder.record->cinemaArray
                                                          : QList<std::shared_ptr<SimpleCinema>>();
    }

    static QMTestService *service;
    QMTestDocuments documents;
    std::unique_ptr<QMMainAppDelegate> delegate = std::make_unique<QMMainAppDelegate>();
    QMCinemaViewController *screen = nullptr;
};
QMTestService *CinemaTab::service = nullptr;

} // namespace

TEST_F(CinemaTab, ListsTheCinemasNearTheWalkSellersFirstNearestFirst)
{
    const QList<std::shared_ptr<SimpleCinema>> &cinemas = screen->cinemaArray();
    ASSERT_GE(cinemas.size(), 3);
    EXPECT_LT(cinemas.size(), catalogue().size());
    EXPECT_EQ(screen->nearLabel()->text(), QStringLiteral("周边影院"));
    bool sellers = true;
    int previous = 0;
    for (int row = 0; row < cinemas.size(); ++row) {
        const SimpleCinema &cinema = *cinemas[row];
        if (!cinema.open && sellers) { // the sellers are over: distances start again
            sellers = false;
            previous = 0;
        }
        EXPECT_EQ(cinema.open, sellers) << row;
        EXPECT_GT(cinema.distance, 0) << row;
        EXPECT_GE(cinema.distance, previous) << row;
        previous = cinema.distance;
    }
    EXPECT_TRUE(cinemas.first()->open);
    QMCinemaCell *first = screen->cinemaTableView()->cellForRow(0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(first->checkMark());
    EXPECT_EQ(first->nameLabel()->text(), cinemas.first()->cinemaname);
    EXPECT_EQ(first->distanceLabel()->text(),
              QString::asprintf("%.1fkm", cinemas.first()->distance / 1000.0));
    QTest::qWait(300);
    screenshot(QStringLiteral("cinemas.png"));
}

TEST_F(CinemaTab, ADistrictChosenWithTheMouseListsExactlyItsCinemas)
{
    QTest::mouseClick(screen->districtButton(), Qt::LeftButton);
    QMPickerView *overlay = screen->pickerView();
    ASSERT_TRUE(QTest::qWaitFor([&] { return overlay->isInWindow(); }, 20000));
    QMWheelPicker *wheel = overlay->pickerView();
    ASSERT_GE(wheel->numberOfRowsInComponent(0), 3);

    // Turn the wheel two rows up with the mouse, then confirm.
    const QPoint band = wheel->rectForRowInComponent(0, 0).center();
    QWidget *column = wheel->childAt(band);
    ASSERT_TRUE(column);
    const QPoint start = column->mapFrom(wheel, band);
    QTest::mousePress(column, Qt::LeftButton, {}, start);
    for (int step = 1; step <= 8; ++step)
        QTest::mouseMove(column, start - QPoint(0, step * 10), 20);
    QTest::mouseRelease(column, Qt::LeftButton, {}, start - QPoint(0, 80), 300);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !wheel->isTurning(); }, 5000));
    ASSERT_EQ(wheel->selectedRowInComponent(0), 2);
    const QString district = screen->districtDictionary().nameAt(2);
    QTest::qWait(100);
    screenshot(QStringLiteral("cinemas-picker.png"));

    QTest::mouseClick(overlay->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(overlay->isInWindow());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return screen->nearLabel()->text() == district + QStringLiteral("区影院"); }, 20000));

    QStringList expected;
    for (const auto &cinema : catalogue()) {
        if (cinema->address.startsWith(district))
            expected.append(cinema->cinemaid);
    }
    ASSERT_FALSE(expected.isEmpty());
    QStringList shown = cinemaIds(screen->cinemaArray());
    for (const auto &cinema : screen->cinemaArray())
        EXPECT_TRUE(cinema->address.startsWith(district)) << cinema->address.toStdString();
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown, expected);
}
