#include "cinemas/QMCinemaCell.h"
#include "cinemas/QMCinemaListView.h"
#include "cinemas/QMCinemaViewController.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWheelPicker.h"

#include "QMAppTestCase.h"
#include "QMTestCinemas.h"

#include <QTest>

namespace {

// The client on its cinemas tab.
class CinemaTab : public QMAppTestCase
{
protected:
    void SetUp() override
    {
        QMAppTestCase::SetUp();
        if (HasFatalFailure())
            return;
        tapTab(1);
        auto *stack = qobject_cast<QMNavigationController *>(
            delegate->tabController()->selectedViewController());
        ASSERT_TRUE(stack);
        screen = qobject_cast<QMCinemaViewController *>(stack->viewControllers().value(0));
        ASSERT_TRUE(screen);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !screen->cinemaArray().isEmpty(); }, 20000));
    }

    QMCinemaViewController *screen = nullptr;
};

} // namespace

TEST_F(CinemaTab, ListsTheCinemasNearTheWalkSellersFirstNearestFirst)
{
    const QList<std::shared_ptr<SimpleCinema>> &cinemas = screen->cinemaArray();
    ASSERT_GE(cinemas.size(), 3);
    EXPECT_LT(cinemas.size(), serviceCatalogue().size());
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
    QMPickerView *overlay = screen->districtChooser()->pickerView();
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
    const QString district = screen->districtChooser()->districtDictionary().nameAt(2);
    QTest::qWait(100);
    screenshot(QStringLiteral("cinemas-picker.png"));

    QTest::mouseClick(overlay->confirmButton(), Qt::LeftButton);
    EXPECT_FALSE(overlay->isInWindow());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return screen->nearLabel()->text() == district + QStringLiteral("区影院"); }, 20000));

    QStringList expected;
    for (const auto &cinema : serviceCatalogue()) {
        if (cinema->address.startsWith(district))
            expected.append(cinema->cinemaid);
    }
    ASSERT_FALSE(expected.isEmpty());
    QStringList shown = cinemaIds(screen->cinemaArray());
    shown.sort();
    expected.sort();
    EXPECT_EQ(shown, expected);
}
