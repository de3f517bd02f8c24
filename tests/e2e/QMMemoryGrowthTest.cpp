#include "app/QMMainAppDelegate.h"
#include "films/QMMovieViewController.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMBarButton.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTextField.h"
#include "members/QMLoginViewController.h"
#include "members/QMMyQuelmaViewController.h"
#include "members/QMPizzaListView.h"
#include "members/QMPizzaMapView.h"

#include "QMAppTestCase.h"
#include "QMMemberViewsTestSupport.h"

#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

#include <malloc.h>

#include <cstdio>

// Screens opened and closed again and again give their memory back: resident memory, read with
// the allocator's free pages returned, grows by less than 5 MB.
namespace {

constexpr double kAllowedGrowthMB = 5;

// AddressSanitizer keeps freed memory in quarantine, so resident memory there says nothing of
// leaks (its leak check does); the screens are still opened and closed under it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryMeans = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kResidentMemoryMeans = false;
#else
constexpr bool kResidentMemoryMeans = true;
#endif
#else
constexpr bool kResidentMemoryMeans = true;
#endif

double residentMB()
{
    malloc_trim(0);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    return 0;
}

class MemoryGrowth : public QMAppTestCase
{
protected:
    static void press(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    void report(const char *what, double before, double after)
    {
        std::printf("%s: resident %.1f MB before, %.1f MB after, growth %.2f MB\n", what, before,
                    after, after - before);
        if (kResidentMemoryMeans) {
            EXPECT_LT(after - before, kAllowedGrowthMB) << what;
        }
    }
};

} // namespace

TEST_F(MemoryGrowth, OpeningAndClosingTheFilmDetailsFiftyTimes)
{
    auto *stack =
        qobject_cast<QMNavigationController *>(delegate->tabController()->selectedViewController());
    QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(stack && QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    TPOpenFlowView *flow = shelf->shelfView()->openFlowView();
    const auto openAndClose = [&] {
        const QPoint centre =
            flow->coverOutline(flow->selectedCover()).boundingRect().center().toPoint();
        QTest::mouseClick(flow, Qt::LeftButton, {}, centre);
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return qobject_cast<QMToPlayInfoViewController *>(stack->topViewController()); },
            5000));
        ASSERT_TRUE(waitUntilIdle(stack->topViewController()->view()));
        stack->popToRoot(false);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !stack->isTransitioning(); }, 5000));
        QTest::qWait(50); // the closed screen is deleted later
    };
    openAndClose(); // first use: fonts, pictures, caches
    ASSERT_FALSE(HasFatalFailure());
    const double before = residentMB();
    for (int i = 0; i < 50 && !HasFatalFailure(); ++i)
        openAndClose();
    report("film details opened and closed 50 times", before, residentMB());
}

TEST_F(MemoryGrowth, SwitchingPeopleNearbyBetweenMapAndListTwentyTimes)
{
    tapTab(2);
    auto *members = qobject_cast<QMNavigationController *>(
        delegate->tabController()->viewControllers().value(2));
    auto *login = qobject_cast<QMLoginViewController *>(members->topViewController());
    ASSERT_TRUE(login);
    for (const auto &[field, text] : {std::pair{login->userNameField(), "demo@example.com"},
                                      std::pair{login->passwordField(), "demo123"}}) {
        press(field);
        QTest::keyClicks(field, QString::fromLatin1(text));
    }
    press(login->loginButton());
    QMMyQuelmaViewController *hub = delegate->myQuelmaViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return members->topViewController() == hub; }, 15000));
    QMPizzaMapView *nearby = hub->pizzaMapView();
    ASSERT_TRUE(waitUntilIdle(nearby));
    const auto switchTwice = [&] {
        press(nearby->listButton());
        QMPizzaListView *list = nearby->pizzaListView();
        ASSERT_TRUE(list && waitUntilIdle(list));
        press(list->mapButton());
        ASSERT_TRUE(waitUntilIdle(nearby));
        QTest::qWait(50);
    };
    switchTwice();
    ASSERT_FALSE(HasFatalFailure());
    const double before = residentMB();
    for (int i = 0; i < 20 && !HasFatalFailure(); ++i)
        switchTwice();
    report("people nearby: map and list switched 20 times", before, residentMB());
}
