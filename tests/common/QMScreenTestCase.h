#pragma once

#include "kit/QMNavigationController.h"
#include "kit/QMWindow.h"

#include "QMTestDocuments.h"
#include "QMTestService.h"

#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

class QMAlertView;
class QMLoginViewController;
class QWidget;

// Screens on a navigation stack in a real, shown window, against the stand-in service (one for
// the suite), with the documents in a temporary directory. Tear-down answers open alerts and
// closes the data context, the provider and the picture cache, as a restart of the client would.
class QMScreenTestCase : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // A stack over the root in the window (or only built, for a test that shows it later).
    template<class Screen> Screen *showStack(std::unique_ptr<Screen> root, bool inWindow = true)
    {
        Screen *screen = root.get();
        stack = std::make_unique<QMNavigationController>(std::move(root));
        if (inWindow)
            window->setRootViewController(stack.get());
        return screen;
    }
    // The top screen of a stack once it stands still.
    template<class Screen> static Screen *topOf(QMNavigationController *stack)
    {
        if (!stack || !QTest::qWaitFor([&] { return !stack->isTransitioning(); }))
            return nullptr;
        return qobject_cast<Screen *>(stack->topViewController());
    }

    template<class Screen> Screen *top() const { return topOf<Screen>(stack.get()); }

    // Signs the demo member in without screens.
    static void signIn();
    // Signs in on the sign-in screen as a member would; returns when the answer is in.
    static void signInOn(QMLoginViewController *login);
    static bool isLogged();
    static void flush();
    // Taps, then keys that carry text, Chinese included.
    static void typeInto(QWidget *target, const QString &text);
    static void tap(QWidget *widget);
    static void click(QWidget *widget) { QTest::mouseClick(widget, Qt::LeftButton); }
    // True while a busy indicator covers the view.
    static bool isBusy(const QWidget *view);
    static bool isBusy(QMViewController *screen) { return isBusy(screen->view()); }

    static QMAlertView *alert();
    static bool waitForAlert();
    // "title/message/button" of an alert, of the top one by default.
    static std::string said(const QMAlertView *shown = alert());
    // Presses the button of the top alert.
    static void dismissAlert();

    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name) const;

    static QMTestService *service;
    QMTestDocuments documents;
    std::unique_ptr<QMWindow> window;
    std::unique_ptr<QMNavigationController> stack;
};
