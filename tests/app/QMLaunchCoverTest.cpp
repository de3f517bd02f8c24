#include "app/QMLoadingView.h"
#include "films/QMOnPlayListProvider.h"
#include "kit/QMActivityIndicatorView.h"
#include "services/QMLocationProvider.h"
#include "services/QMNotificationCenter.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// A cover whose 3-second wait is shortened for the test; the grace period stays long.
struct Cover
{
    Cover()
        : parent(new QWidget)
        , cover(new QMLoadingView(QRect(0, 0, 320, 480), parent.get(), 300, 60000))
    {}
    bool gone() const { return cover.isNull() || cover->isHidden(); }

    std::unique_ptr<QWidget> parent;
    QPointer<QMLoadingView> cover;
};

void post(const QString &name)
{
    QMNotificationCenter::defaultCenter().post(name, nullptr);
}
} // namespace

TEST(LaunchCover, ShowsTheBusyIndicatorBelowTheCentre)
{
    Cover c;
    const auto indicators = c.cover->findChildren<QMActivityIndicatorView *>();
    ASSERT_EQ(indicators.size(), 1);
    EXPECT_EQ(indicators.first()->geometry(), QRect(145, 270, 30, 30));
    EXPECT_EQ(c.cover->waitingCount(), 3);
}

TEST(LaunchCover, LeavesWhenTheTimerEndsIfBothAnswersCameFirst)
{
    Cover c;
    post(kOnPlayListNotification);
    post(kLocationNotification);
    EXPECT_EQ(c.cover->waitingCount(), 1);
    EXPECT_FALSE(c.gone());
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.gone(); }, 5000));
}

TEST(LaunchCover, WaitsForALateListAfterTheTimer)
{
    Cover c;
    post(kLocationNotification);
    // The timer fires; the cover still waits for the list.
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.cover && c.cover->waitingCount() == 1; }, 5000));
    QTest::qWait(100);
    EXPECT_TRUE(c.cover->isVisibleTo(c.parent.get()));
    post(kOnPlayListNotification);
    EXPECT_TRUE(c.gone());
}

TEST(LaunchCover, CountsOnlyTheFirstOfEachNotification)
{
    Cover c;
    post(kLocationNotification);
    post(kLocationNotification); // a second fix before the timer does not shorten the wait
    post(kLocationNotification);
    EXPECT_EQ(c.cover->waitingCount(), 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return c.cover && c.cover->waitingCount() == 1; }, 5000));
    QTest::qWait(100);
    EXPECT_TRUE(c.cover->isVisibleTo(c.parent.get()));
    post(kOnPlayListNotification);
    EXPECT_TRUE(c.gone());
}

TEST(LaunchCover, GivesUpWaitingForASourceThatNeverAnswers)
{
    auto parent = std::make_unique<QWidget>();
    QPointer<QMLoadingView> cover = new QMLoadingView(QRect(0, 0, 320, 480), parent.get(), 50, 300);
    post(kOnPlayListNotification);
    ASSERT_TRUE(QTest::qWaitFor([&] { return cover.isNull() || cover->isHidden(); }, 5000));
}
