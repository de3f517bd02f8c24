#include "KitTestSupport.h"

#include "kit/QMBarButton.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMWindow.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class NavigationStack : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        auto root = std::make_unique<LoggingScreen>(QStringLiteral("A"), log);
        a = root.get();
        navigation = std::make_unique<QMNavigationController>(std::move(root));
        window->setRootViewController(navigation.get());
    }

    LoggingScreen *pushScreen(const QString &name, bool animated)
    {
        auto screen = std::make_unique<LoggingScreen>(name, log);
        LoggingScreen *raw = screen.get();
        navigation->push(std::move(screen), animated);
        return raw;
    }

    QMNavigationBar *bar() { return navigation->navigationBar(); }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    std::unique_ptr<QMWindow> window;
    std::unique_ptr<QMNavigationController> navigation;
    LoggingScreen *a = nullptr;
};

TEST_F(NavigationStack, PushAndPopWithoutAnimationCallTheLifecycleInOrder)
{
    EXPECT_EQ(*log, QStringList({"A.didLoad", "A.willAppear(0)", "A.didAppear(0)"}));
    log->clear();

    QPointer<LoggingScreen> b = pushScreen(QStringLiteral("B"), false);
    EXPECT_EQ(*log, QStringList({"B.didLoad", "A.willDisappear(0)", "B.willAppear(0)",
                                 "A.didDisappear(0)", "B.didAppear(0)"}));
    EXPECT_EQ(navigation->topViewController(), b);
    EXPECT_EQ(b->navigationController(), navigation.get());
    EXPECT_TRUE(b->view()->isVisible());
    EXPECT_FALSE(a->view()->isVisible());
    EXPECT_EQ(b->view()->geometry(), QRect(0, 44, 320, 416));
    log->clear();

    EXPECT_TRUE(navigation->pop(false));
    EXPECT_EQ(*log, QStringList({"B.willDisappear(0)", "A.willAppear(0)", "B.didDisappear(0)",
                                 "A.didAppear(0)"}));
    EXPECT_EQ(navigation->viewControllers(), QList<QMViewController *>{a});
    flushDeletions();
    EXPECT_TRUE(b.isNull()) << "the stack owns its screens and deletes popped ones";
    EXPECT_FALSE(navigation->pop(false)) << "the root stays";
}

TEST_F(NavigationStack, AnimatedPushSlidesInAndAppearsWhenTheMovementEnds)
{
    log->clear();
    LoggingScreen *b = pushScreen(QStringLiteral("B"), true);
    EXPECT_TRUE(navigation->isTransitioning());
    EXPECT_EQ(*log, QStringList({"B.didLoad", "A.willDisappear(1)", "B.willAppear(1)"}));
    EXPECT_EQ(b->view()->pos(), QPoint(320, 44)) << "comes in from the right";
    EXPECT_EQ(a->view()->pos(), QPoint(0, 44));

    ASSERT_TRUE(waitUntil([&] { return !navigation->isTransitioning(); }));
    EXPECT_EQ(entriesOf(*log, "B").last(), "didAppear(1)");
    EXPECT_EQ(entriesOf(*log, "A").last(), "didDisappear(1)");
    EXPECT_EQ(b->view()->pos(), QPoint(0, 44));
    EXPECT_FALSE(a->view()->isVisible());

    navigation->pop(true);
    ASSERT_TRUE(waitUntil([&] { return !navigation->isTransitioning(); }));
    EXPECT_EQ(a->view()->pos(), QPoint(0, 44));
    EXPECT_TRUE(a->view()->isVisible());
    EXPECT_TRUE(appearanceIsBalanced(*log, "A")) << log->join(' ').toStdString();
    EXPECT_TRUE(appearanceIsBalanced(*log, "B"));
}

TEST_F(NavigationStack, PushOrPopDuringAMovementNeverBreaksTheStack)
{
    QPointer<LoggingScreen> b = pushScreen(QStringLiteral("B"), true);
    navigation->pop(true); // while B is still sliding in
    EXPECT_EQ(navigation->viewControllers(), QList<QMViewController *>{a});
    LoggingScreen *c = pushScreen(QStringLiteral("C"), true); // while B slides out
    pushScreen(QStringLiteral("D"), true);
    navigation->pop(true);
    EXPECT_EQ(navigation->viewControllers(), (QList<QMViewController *>{a, c}));

    ASSERT_TRUE(waitUntil([&] { return !navigation->isTransitioning(); }));
    flushDeletions();
    EXPECT_TRUE(b.isNull());
    EXPECT_EQ(navigation->topViewController(), c);
    EXPECT_TRUE(c->view()->isVisible());
    EXPECT_EQ(c->view()->pos(), QPoint(0, 44));
    EXPECT_FALSE(a->view()->isVisible());
    EXPECT_TRUE(c->isViewVisible());
    EXPECT_FALSE(a->isViewVisible());
    for (const char *name : {"A", "B", "C", "D"})
        EXPECT_TRUE(appearanceIsBalanced(*log, name))
            << name << ": " << log->join(' ').toStdString();
    EXPECT_EQ(bar()->topItem(), c->navigationItem());
}

TEST_F(NavigationStack, BackButtonCarriesThePreviousScreensBackTitleAndPops)
{
    EXPECT_FALSE(bar()->backButton()->isVisible()) << "no back button on the root";
    a->navigationItem()->setBackBarButtonTitle(QStringLiteral("正在热映"));
    pushScreen(QStringLiteral("B"), false);
    ASSERT_TRUE(bar()->backButton()->isVisible());
    EXPECT_EQ(bar()->backButton()->text(), QStringLiteral("正在热映"));
    EXPECT_EQ(bar()->titleLabel()->text(), QStringLiteral("B"));

    QTest::mouseClick(bar()->backButton(), Qt::LeftButton);
    ASSERT_TRUE(waitUntil([&] { return !navigation->isTransitioning(); }));
    EXPECT_EQ(navigation->viewControllers(), QList<QMViewController *>{a});
    EXPECT_FALSE(bar()->backButton()->isVisible());
}

TEST_F(NavigationStack, BackTitleDefaultsToAShortTitleElseToReturn)
{
    a->setTitle(QStringLiteral("影院"));
    LoggingScreen *b = pushScreen(QStringLiteral("B"), false);
    EXPECT_EQ(bar()->backButton()->text(), QStringLiteral("影院"));

    b->setTitle(QStringLiteral("上海正在放映影片查询结果一览"));
    pushScreen(QStringLiteral("C"), false);
    EXPECT_EQ(bar()->backButton()->text(), QStringLiteral("返回"));

    b->navigationItem()->setTitle(QString());
    EXPECT_EQ(bar()->backButton()->text(), QStringLiteral("返回"))
        << "changes reach the bar at once";
}

TEST_F(NavigationStack, ItemChangesReachTheBarAtOnce)
{
    QMNavigationItem *item = a->navigationItem();
    item->setTitle(QStringLiteral("上海正在放映影片查询"));
    EXPECT_EQ(bar()->titleLabel()->text(), QStringLiteral("上海正在放映影片查询"));

    auto button = std::make_unique<QMBarButton>(QStringLiteral("即将上映 "));
    button->resize(70, 27);
    QWidget *right = item->setRightBarButton(std::move(button));
    ASSERT_EQ(item->rightBarButton(), right);
    EXPECT_TRUE(right->isVisible());
    EXPECT_EQ(right->geometry(), QRect(245, 8, 70, 27)) << "right edge, centred in 44 points";
    EXPECT_LE(bar()->titleLabel()->geometry().right(), right->geometry().left())
        << "the title moves aside rather than run under the button";

    auto label = std::make_unique<QLabel>(QStringLiteral("上海电影院"));
    QLabel *titleView = label.get();
    item->setTitleView(std::move(label));
    EXPECT_TRUE(titleView->isVisible());
    EXPECT_FALSE(bar()->titleLabel()->isVisible());

    LoggingScreen *b = pushScreen(QStringLiteral("B"), false);
    EXPECT_FALSE(right->isVisible()) << "only the top item's buttons show";
    EXPECT_FALSE(titleView->isVisible());
    b->navigationItem()->setHidesBackButton(true);
    EXPECT_FALSE(bar()->backButton()->isVisible());
    auto left = std::make_unique<QMBarButton>(QStringLiteral("取消"));
    QWidget *leftButton = b->navigationItem()->setLeftBarButton(std::move(left));
    b->navigationItem()->setHidesBackButton(false);
    EXPECT_TRUE(leftButton->isVisible());
    EXPECT_FALSE(bar()->backButton()->isVisible()) << "a left button stands in for the back button";
}

TEST_F(NavigationStack, PopToRootDropsEveryScreenAboveIt)
{
    QPointer<LoggingScreen> b = pushScreen(QStringLiteral("B"), false);
    QPointer<LoggingScreen> c = pushScreen(QStringLiteral("C"), false);
    log->clear();
    navigation->popToRoot(true);
    ASSERT_TRUE(waitUntil([&] { return !navigation->isTransitioning(); }));
    flushDeletions();
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(c.isNull());
    EXPECT_EQ(entriesOf(*log, "B"), QStringList()) << "B was not on screen";
    EXPECT_EQ(entriesOf(*log, "A"), QStringList({"willAppear(1)", "didAppear(1)"}));
}

TEST_F(NavigationStack, AScreenMayPopItselfFromItsOwnButton)
{
    LoggingScreen *b = pushScreen(QStringLiteral("B"), false);
    auto *button = new QPushButton(QStringLiteral("done"), b->view());
    button->setGeometry(10, 10, 100, 30);
    button->show();
    QObject::connect(button, &QPushButton::clicked, b,
                     [b] { b->navigationController()->pop(false); });
    QPointer<LoggingScreen> guard = b;
    tap(button, QPoint(50, 15));
    EXPECT_EQ(navigation->topViewController(), a);
    flushDeletions();
    EXPECT_TRUE(guard.isNull());
}

TEST_F(NavigationStack, AScreenPushedWhileTheRootLoadsIsTheOneShown)
{
    // A root that sends the user to another screen as soon as it is built, with no way back.
    auto stackLog = std::make_shared<QStringList>();
    auto root = std::make_unique<LoggingScreen>(QStringLiteral("Hub"), stackLog);
    LoggingScreen *hub = root.get();
    QMNavigationController stack(std::move(root));
    hub->onDidLoad = [&] {
        auto login = std::make_unique<LoggingScreen>(QStringLiteral("Login"), stackLog);
        login->navigationItem()->setHidesBackButton(true);
        hub->navigationController()->push(std::move(login), false);
    };
    window->setRootViewController(&stack);

    ASSERT_EQ(stack.viewControllers().size(), 2);
    EXPECT_TRUE(stack.topViewController()->view()->isVisible());
    EXPECT_FALSE(hub->view()->isVisible());
    EXPECT_FALSE(stack.navigationBar()->backButton()->isVisible());
    EXPECT_EQ(entriesOf(*stackLog, "Hub"), QStringList({"didLoad"}));
    EXPECT_EQ(entriesOf(*stackLog, "Login"),
              QStringList({"didLoad", "willAppear(0)", "didAppear(0)"}));
    window->setRootViewController(navigation.get());
}

TEST_F(NavigationStack, AHiddenBarGivesTheScreenTheWholeHeight)
{
    navigation->setNavigationBarHidden(true, false);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_EQ(a->view()->geometry(), QRect(0, 0, 320, 460));
    navigation->setNavigationBarHidden(false, false);
    EXPECT_EQ(a->view()->geometry(), QRect(0, 44, 320, 416));
}

} // namespace
