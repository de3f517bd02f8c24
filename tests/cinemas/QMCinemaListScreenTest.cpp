#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "cinemas/QMNearbyCinemaProvider.h"
#include "cinemas/QMTDCinemaProvider.h"
#include "kit/QMActivityIndicatorView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTableView.h"
#include "kit/QMWheelPicker.h"
#include "kit/QMWindow.h"

#include "QMProviderTestCase.h"
#include "QMTestCinemas.h"

#include <QTest>

#include <cmath>
#include <limits>

namespace {

const QMLocationProvider::Coordinate kPeoplesSquare{31.2304, 121.4737};

// The cinemas tab's root screen in a window, against canned answers.
class CinemaListScreen : public QMProviderTestCase
{
protected:
    void SetUp() override
    {
        QMProviderTestCase::SetUp();
        answer("cinema/nearCinemaList.xhtml", testCinemaListXml({{"1", false, 300},
                                                                 {"2", true, 400},
                                                                 {"3", false, 500},
                                                                 {"4", true, 600},
                                                                 {"5", false, 700}}));
        stack =
            std::make_unique<QMNavigationController>(std::make_unique<QMCinemaViewController>());
        screen = qobject_cast<QMCinemaViewController *>(stack->topViewController());
        window->setRootViewController(stack.get());
        window->makeKeyAndVisible();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return screen->cinemaArray().size() == 5; }, 10000));
    }
    void TearDown() override
    {
        window.reset();
        stack.reset();
        QMProviderTestCase::TearDown();
    }

    int requestsFor(const char *path) const
    {
        const QByteArray prefix = QByteArray("/shanghai/api/") + path + '?';
        return int(
            std::count_if(server.requests().begin(), server.requests().end(),
                          [&](const QByteArray &target) { return target.startsWith(prefix); }));
    }
    bool isBusy() const
    {
        return !screen->view()
                    ->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly)
                    .isEmpty();
    }
    QMCinemaCell *row(int index) const { return screen->cinemaTableView()->cellForRow(index); }
    QMWheelPicker *wheel() const { return screen->districtChooser()->pickerView()->pickerView(); }
    // The district button, then the overlay once the districts are in.
    bool openDistricts()
    {
        QTest::mouseClick(screen->districtButton(), Qt::LeftButton);
        return QTest::qWaitFor(
            [&] { return screen->districtChooser()->pickerView()->isInWindow(); }, 10000);
    }
    void deliver(const QList<QMTestCinema> &cinemas)
    {
        screen->cinemaProviderDidReceivedCinemaList(context()->nearbyCinemaProvider(),
                                                    testCinemaList(cinemas));
    }

    std::unique_ptr<QMWindow> window = std::make_unique<QMWindow>();
    std::unique_ptr<QMNavigationController> stack;
    QMCinemaViewController *screen = nullptr;
};

} // namespace

TEST_F(CinemaListScreen, StartsWithTheNearbyListSellersFirstWithTheirMarks)
{
    // Before any fix the position sent is 0, 0.
    EXPECT_TRUE(sentQuery("cinema/nearCinemaList.xhtml")
                    .contains(QStringLiteral("pointx=0.000&pointy=0.000&")));
    // The second and the fourth sell: they come first, the others keep the service's order.
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"2", "4", "1", "3", "5"}));
    EXPECT_EQ(screen->nearLabel()->text(), QStringLiteral("周边影院"));
    EXPECT_FALSE(isBusy());

    ASSERT_TRUE(row(0) && row(1) && row(2));
    ASSERT_TRUE(row(0)->checkMark());
    EXPECT_EQ(row(0)->checkMark()->index, 0);
    ASSERT_TRUE(row(1)->checkMark());
    EXPECT_EQ(row(1)->checkMark()->index, 1);
    EXPECT_FALSE(row(2)->checkMark());
    EXPECT_EQ(row(0)->nameLabel()->text(), QStringLiteral("影院2"));
    EXPECT_EQ(row(0)->addressLabel()->text(), QStringLiteral("地址2"));
    EXPECT_EQ(row(0)->distanceLabel()->text(), QStringLiteral("0.4km"));
    // White, grey, white...
    EXPECT_EQ(row(0)->backgroundColor(), QColor(Qt::white));
    EXPECT_EQ(row(1)->backgroundColor(), QColor(238, 238, 238));
    EXPECT_EQ(row(2)->backgroundColor(), QColor(Qt::white));

    // A list in which no cinema sells shows no mark.
    deliver({{"7", false, 100}, {"8", false, 200}});
    ASSERT_TRUE(row(0) && row(1));
    EXPECT_FALSE(row(0)->checkMark());
    EXPECT_FALSE(row(1)->checkMark());
}

TEST_F(CinemaListScreen, DistancesAreTheServicesOrMeasuredFromAKnownPosition)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const QList<QMTestCinema> cinemas = {
        {"1", true, 2345},
        {"2", true, 0, kPeoplesSquare.latitude + 1, kPeoplesSquare.longitude},
        {"3", true, 0, nan, kPeoplesSquare.longitude}};
    // No fix yet: a distance from 0°, 0° would be nonsense, so none is shown.
    deliver(cinemas);
    EXPECT_EQ(row(0)->distanceLabel()->text(), QStringLiteral("2.3km"));
    EXPECT_EQ(row(1)->distanceLabel()->text(), QString());
    EXPECT_EQ(row(2)->distanceLabel()->text(), QString());

    placeDeviceAt(kPeoplesSquare.latitude, kPeoplesSquare.longitude);
    deliver(cinemas);
    EXPECT_EQ(row(0)->distanceLabel()->text(), QStringLiteral("2.3km"));
    EXPECT_EQ(row(1)->distanceLabel()->text(), QStringLiteral("111.3km"));
    EXPECT_EQ(row(2)->distanceLabel()->text(), QString()); // not a number: no text

    // The nearby button asks again from the position known now.
    placeDeviceAt(31.2304, 121.4737);
    QTest::mouseClick(screen->nameButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor("cinema/nearCinemaList.xhtml") == 2; }));
    EXPECT_TRUE(sentQuery("cinema/nearCinemaList.xhtml")
                    .contains(QStringLiteral("pointx=121.474&pointy=31.230&")));
}

TEST_F(CinemaListScreen, ADistrictChosenOnTheWheelListsItsCinemas)
{
    // 黄浦 twice: listed once, with the later code.
    answer("common/county.xhtml",
           testCountyListXml({{"黄浦", "310101"}, {"徐汇", "310104"}, {"黄浦", "310199"}}));
    answer("cinema/cinemaList.xhtml", testCinemaListXml({{"21", false}, {"22", true}}));
    ASSERT_TRUE(openDistricts());
    EXPECT_TRUE(sentQuery("common/county.xhtml").startsWith(QStringLiteral("citycode=310000&")));
    EXPECT_FALSE(isBusy());
    EXPECT_EQ(screen->districtChooser()->pickerView()->navTitle(), QStringLiteral("选择区域"));
    ASSERT_EQ(wheel()->numberOfRowsInComponent(0), 2);
    EXPECT_EQ(screen->districtChooser()->districtDictionary().names(),
              QStringList({"黄浦", "徐汇"}));

    // A tap on 徐汇 turns it into the band, then back to 黄浦 and confirm.
    const QRect second = wheel()->rectForRowInComponent(1, 0);
    QTest::mouseClick(wheel()->childAt(second.center()), Qt::LeftButton, {},
                      wheel()->childAt(second.center())->mapFrom(wheel(), second.center()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !wheel()->isTurning(); }));
    EXPECT_EQ(wheel()->selectedRowInComponent(0), 1);
    wheel()->selectRow(0, 0, false);
    QTest::mouseClick(screen->districtChooser()->pickerView()->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(screen->districtChooser()->pickerView()->isInWindow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->cinemaArray().size() == 2; }));
    EXPECT_EQ(sentValue(QStringLiteral("countycode"), int(server.requests().size()) - 1),
              QStringLiteral("310199"));
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"22", "21"}));
    EXPECT_EQ(screen->nearLabel()->text(), QStringLiteral("黄浦区影院"));
    EXPECT_FALSE(isBusy());

    // The nearby button brings the nearby list and its caption back.
    QTest::mouseClick(screen->nameButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return screen->cinemaArray().size() == 5; }));
    EXPECT_EQ(screen->nearLabel()->text(), QStringLiteral("周边影院"));
}

TEST_F(CinemaListScreen, AnEmptyDistrictAnswerShowsAnEmptyWheelThatAsksForNothing)
{
    answer("common/county.xhtml", testCountyListXml({}));
    ASSERT_TRUE(openDistricts());
    EXPECT_EQ(wheel()->numberOfRowsInComponent(0), 0);
    const int sent = int(server.requests().size());
    QTest::mouseClick(screen->districtChooser()->pickerView()->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(screen->districtChooser()->pickerView()->isInWindow());
    QTest::qWait(200);
    EXPECT_EQ(server.requests().size(), sent);
    EXPECT_FALSE(isBusy());
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"2", "4", "1", "3", "5"}));
}

TEST_F(CinemaListScreen, CancelLeavesTheListAsItWas)
{
    answer("common/county.xhtml", testCountyListXml({{"黄浦", "310101"}, {"徐汇", "310104"}}));
    ASSERT_TRUE(openDistricts());
    wheel()->selectRow(1, 0, false);
    QTest::mouseClick(screen->districtChooser()->pickerView()->cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(screen->districtChooser()->pickerView()->isInWindow());
    QTest::qWait(200);
    EXPECT_EQ(requestsFor("cinema/cinemaList.xhtml"), 0);
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"2", "4", "1", "3", "5"}));
    EXPECT_EQ(screen->nearLabel()->text(), QStringLiteral("周边影院"));

    // The overlay is built once and comes back with the districts of the new answer.
    answer("common/county.xhtml", testCountyListXml({{"长宁", "310105"}}));
    ASSERT_TRUE(openDistricts());
    EXPECT_EQ(wheel()->numberOfRowsInComponent(0), 1);
    EXPECT_EQ(wheel()->selectedRowInComponent(0), 0);
}

TEST_F(CinemaListScreen, FailedAnswersLeaveTheScreenAsItWas)
{
    // Districts that cannot be read: no overlay, no districts.
    answer("common/county.xhtml", "<html>oops</html>", 500);
    QTest::mouseClick(screen->districtButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return requestsFor("common/county.xhtml") == 1; }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(); }));
    EXPECT_FALSE(screen->districtChooser()->pickerView()->isInWindow());
    EXPECT_TRUE(screen->districtChooser()->districtDictionary().isEmpty());

    // A list that does not come keeps the rows shown.
    cutTheLine();
    QTest::mouseClick(screen->nameButton(), Qt::LeftButton);
    EXPECT_TRUE(isBusy());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !isBusy(); }, 15000));
    EXPECT_EQ(cinemaIds(screen->cinemaArray()), QStringList({"2", "4", "1", "3", "5"}));
    EXPECT_EQ(screen->cinemaTableView()->tableView()->numberOfRows(), 5);
}
