#include "KitTestSupport.h"

#include "kit/QMNavigationController.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarControllerDelegate.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMWindow.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class CountingTabDelegate : public QObject, public QMTabBarControllerDelegate
{
public:
    bool tabBarControllerShouldSelectViewController(QMTabBarController *,
                                                    QMViewController *viewController) override
    {
        asked.append(viewController);
        return viewController != refused;
    }
    QList<QMViewController *> asked;
    QMViewController *refused = nullptr;
};

class Tabs : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        const QStringList titles{QStringLiteral("电 影"), QStringLiteral("影 院"),
                                 QStringLiteral("叽 喳")};
        std::vector<std::unique_ptr<QMViewController>> stacks;
        for (int i = 0; i < 3; ++i) {
            auto root = std::make_unique<LoggingScreen>(QStringLiteral("S%1").arg(i), log);
            roots.append(root.get());
            auto stack = std::make_unique<QMNavigationController>(std::move(root));
            stack->tabBarItem()->setTitle(titles[i]);
            stack->tabBarItem()->setTag(i);
            stacks.push_back(std::move(stack));
        }
        tabs.setViewControllers(std::move(stacks));
        tabs.setDelegate(&delegate);
        window->setRootViewController(&tabs);
    }

    void tapTab(int index)
    {
        QTest::mouseClick(tabs.tabBar(), Qt::LeftButton, {},
                          tabs.tabBar()->itemRect(index).center());
    }

    QMNavigationController *stack(int index)
    {
        return static_cast<QMNavigationController *>(tabs.viewControllers().at(index));
    }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    CountingTabDelegate delegate;
    QMTabBarController tabs;
    std::unique_ptr<QMWindow> window;
    QList<LoggingScreen *> roots;
};

TEST_F(Tabs, TheBarIs49PointsAtTheBottomUnderTheScreens)
{
    EXPECT_EQ(tabs.view()->geometry(), QRect(0, 20, 320, 460));
    EXPECT_EQ(tabs.tabBar()->geometry(), QRect(0, 411, 320, 49));
    EXPECT_EQ(stack(0)->view()->geometry(), QRect(0, 0, 320, 411));
    ASSERT_EQ(tabs.tabBar()->items().size(), 3);
    EXPECT_EQ(tabs.tabBar()->items().at(1)->title(), QStringLiteral("影 院"));
    EXPECT_EQ(tabs.tabBar()->items().at(2)->tag(), 2);
    EXPECT_EQ(tabs.selectedIndex(), 0);
    EXPECT_EQ(roots[0]->tabBarController(), &tabs);
}

TEST_F(Tabs, TappingAnotherTabSelectsItAndSwitchesTheScreens)
{
    log->clear();
    tapTab(1);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_EQ(delegate.asked, QList<QMViewController *>{stack(1)});
    EXPECT_EQ(*log, QStringList({"S1.didLoad", "S0.willDisappear(0)", "S1.willAppear(0)",
                                 "S0.didDisappear(0)", "S1.didAppear(0)"}));
    EXPECT_TRUE(stack(1)->view()->isVisible());
    EXPECT_FALSE(stack(0)->view()->isVisible());
    EXPECT_EQ(tabs.tabBar()->selectedIndex(), 1);
}

TEST_F(Tabs, TappingTheSelectedTabDoesNothingAndKeepsItsStack)
{
    stack(0)->push(std::make_unique<LoggingScreen>(QStringLiteral("Details"), log), false);
    log->clear();
    tapTab(0);
    EXPECT_EQ(tabs.selectedIndex(), 0);
    EXPECT_TRUE(delegate.asked.isEmpty()) << "refused before anyone is asked";
    EXPECT_EQ(stack(0)->viewControllers().size(), 2);
    EXPECT_TRUE(log->isEmpty());
}

TEST_F(Tabs, TheDelegateMayRefuseATab)
{
    delegate.refused = stack(2);
    tapTab(2);
    EXPECT_EQ(tabs.selectedIndex(), 0);
    tapTab(1);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    EXPECT_EQ(delegate.asked, (QList<QMViewController *>{stack(2), stack(1)}));
}

TEST_F(Tabs, SelectingInCodeDoesNotAskTheDelegate)
{
    tabs.setSelectedIndex(2);
    EXPECT_EQ(tabs.selectedIndex(), 2);
    EXPECT_TRUE(delegate.asked.isEmpty());
    tabs.setSelectedIndex(7);
    EXPECT_EQ(tabs.selectedIndex(), 2);
    EXPECT_TRUE(appearanceIsBalanced(*log, "S0"));
    EXPECT_TRUE(appearanceIsBalanced(*log, "S2"));
    EXPECT_TRUE(roots[2]->isViewVisible());
}

TEST_F(Tabs, ScreensOfTheHiddenTabsHearNothingWhileTheyArePushedTo)
{
    tapTab(1);
    log->clear();
    stack(0)->push(std::make_unique<LoggingScreen>(QStringLiteral("Hidden"), log), false);
    EXPECT_EQ(*log, QStringList({"Hidden.didLoad"}));
    tapTab(0);
    EXPECT_EQ(entriesOf(*log, "Hidden"), QStringList({"didLoad", "willAppear(0)", "didAppear(0)"}));
    EXPECT_TRUE(entriesOf(*log, "S0").isEmpty()) << "the root is under the pushed screen";
}

} // namespace
