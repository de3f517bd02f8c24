#include "KitTestSupport.h"

#include "kit/QMNavigationController.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWindow.h"

#include <QTest>

#include <gtest/gtest.h>

namespace {

class Sheets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window = shownWindow();
        ASSERT_TRUE(window);
        auto root = std::make_unique<LoggingScreen>(QStringLiteral("Details"), log);
        details = root.get();
        std::vector<std::unique_ptr<QMViewController>> stacks;
        stacks.push_back(std::make_unique<QMNavigationController>(std::move(root)));
        tabs.setViewControllers(std::move(stacks));
        window->setRootViewController(&tabs);
    }

    // A comment screen wrapped in its own navigation stack, as the screens present them.
    QMNavigationController *presentComment(bool animated)
    {
        auto comment = std::make_unique<LoggingScreen>(QStringLiteral("Comment"), log);
        this->comment = comment.get();
        auto sheet = std::make_unique<QMNavigationController>(std::move(comment));
        QMNavigationController *raw = sheet.get();
        details->presentModalViewController(std::move(sheet), animated);
        return raw;
    }

    std::shared_ptr<QStringList> log = std::make_shared<QStringList>();
    QMTabBarController tabs;
    std::unique_ptr<QMWindow> window;
    LoggingScreen *details = nullptr;
    LoggingScreen *comment = nullptr;
};

TEST_F(Sheets, ASheetRisesOverTheWholeWindowTabBarIncluded)
{
    log->clear();
    QMNavigationController *sheet = presentComment(true);
    EXPECT_EQ(tabs.modalViewController(), sheet) << "held by the outermost container";
    EXPECT_EQ(sheet->presentingViewController(), &tabs);
    EXPECT_EQ(sheet->view()->y(), 480) << "rises from below the window";
    ASSERT_TRUE(waitUntil([&] {
        return sheet->view()->y() == 20 && comment->isViewVisible() &&
               entriesOf(*log, "Comment").last() == "didAppear(1)";
    }));
    EXPECT_EQ(sheet->view()->geometry(), window->contentRect());
    QWidget *atTabBar = window->childAt(160, 470);
    EXPECT_TRUE(atTabBar == sheet->view() || sheet->view()->isAncestorOf(atTabBar))
        << "the tab bar's place belongs to the sheet";
    EXPECT_EQ(entriesOf(*log, "Details"), QStringList({"willDisappear(1)", "didDisappear(1)"}));
}

TEST_F(Sheets, AScreenInsideTheSheetDismissesIt)
{
    QPointer<QMNavigationController> sheet = presentComment(false);
    EXPECT_EQ(sheet->view()->geometry(), window->contentRect());
    log->clear();
    comment->dismissModalViewController(true);
    EXPECT_EQ(tabs.modalViewController(), nullptr);
    ASSERT_TRUE(waitUntil([&] { return entriesOf(*log, "Details").size() == 2; }));
    EXPECT_EQ(entriesOf(*log, "Details"), QStringList({"willAppear(1)", "didAppear(1)"}));
    EXPECT_EQ(entriesOf(*log, "Comment"), QStringList({"willDisappear(1)", "didDisappear(1)"}));
    flushDeletions();
    EXPECT_TRUE(sheet.isNull());
}

TEST_F(Sheets, PresentingWhileTheLastSheetStillMovesCompletesItFirst)
{
    QPointer<QMNavigationController> first = presentComment(true);
    details->dismissModalViewController(true);
    QMNavigationController *second = presentComment(true);
    second->dismissModalViewController(true);
    QMNavigationController *third = presentComment(true);
    ASSERT_TRUE(waitUntil([&] { return entriesOf(*log, "Comment").last() == "didAppear(1)"; }));
    EXPECT_EQ(third->view()->y(), 20);
    flushDeletions();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(tabs.modalViewController(), third);
    EXPECT_TRUE(comment->isViewVisible());
    EXPECT_FALSE(details->isViewVisible());
    EXPECT_TRUE(appearanceIsBalanced(*log, "Details")) << log->join(' ').toStdString();
}

TEST_F(Sheets, ASheetOverASheetRisesOverTheOneShown)
{
    QMNavigationController *first = presentComment(false);
    LoggingScreen *firstComment = comment;
    QMNavigationController *second = presentComment(false);
    EXPECT_EQ(first->modalViewController(), second);
    EXPECT_FALSE(firstComment->isViewVisible());
    second->dismissModalViewController(false);
    EXPECT_TRUE(firstComment->isViewVisible());
    EXPECT_EQ(tabs.modalViewController(), first);
}

TEST_F(Sheets, HidingTheWindowTellsTheSheetNotTheScreensUnderIt)
{
    presentComment(false);
    log->clear();
    window->hide();
    window->show();
    EXPECT_EQ(entriesOf(*log, "Comment"), QStringList({"willDisappear(0)", "didDisappear(0)",
                                                       "willAppear(0)", "didAppear(0)"}));
    EXPECT_TRUE(entriesOf(*log, "Details").isEmpty());
}

} // namespace
