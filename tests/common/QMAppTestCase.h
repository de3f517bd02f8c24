#pragma once

#include "app/QMMainAppDelegate.h"
#include "cinemas/SimpleCinema.h"
#include "kit/QMNavigationController.h"

#include "QMTestDocuments.h"
#include "QMTestService.h"

#include <QList>
#include <QString>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

// The whole client against the stand-in service (one for the suite), launched and past its
// cover, walking around People's Square. Tear-down answers open alerts.
class QMAppTestCase : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The sheet over the whole window, if any: the outermost container holds it.
    QMViewController *sheet() const;
    // The top screen of a stack once it stands still.
    template<class Screen> static Screen *topOf(QMNavigationController *stack)
    {
        if (!stack || !QTest::qWaitFor([&] { return !stack->isTransitioning(); }, 5000))
            return nullptr;
        return qobject_cast<Screen *>(stack->topViewController());
    }
    // The selected tab's stack, and its top screen once it is a Screen standing still.
    QMNavigationController *tab() const;
    template<class Screen> Screen *waitForTop() const
    {
        Screen *top = nullptr;
        const bool shown = QTest::qWaitFor(
            [&] {
                top = qobject_cast<Screen *>(tab()->topViewController());
                return top && !tab()->isTransitioning();
            },
            20000);
        return shown ? top : nullptr;
    }
    // Touches a tab of the tab bar.
    void tapTab(int index);
    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name);
    // Every cinema of the service: without a position the nearby list holds them all.
    static QList<std::shared_ptr<SimpleCinema>> serviceCatalogue();

    static QMTestService *service;
    QMTestDocuments documents;
    std::unique_ptr<QMMainAppDelegate> delegate;
};
