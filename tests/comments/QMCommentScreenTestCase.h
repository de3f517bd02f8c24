#pragma once

#include "comments/QMCommentListOwner.h"
#include "comments/QMMovieCommentViewControllerDelegate.h"
#include "kit/QMNavigationController.h"
#include "kit/QMWindow.h"
#include "members/QMSignInGate.h"

#include "QMTestDocuments.h"
#include "QMTestRecorders.h"
#include "QMTestService.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

class QMAlertView;
class QMLoginViewController;
class QMMovieCommentViewController;

// Asks for the first page of comments on a film (type 1) or a cinema (type 0), newest first.
void requestComments(const QString &target, unsigned type, CommentsRecorder *recorder);

// A film's screen as the film's details will be: it opens the comment screen behind the sign-in
// gate and lists the film's comments from the first page when asked to.
class FilmScreen : public QMViewController,
                   public QMCommentListOwner,
                   public QMMovieCommentViewControllerDelegate
{
public:
    FilmScreen();

    void writeComment();
    void selectCommentList() override;
    void movieCommentViewControllerWillDismiss(QMMovieCommentViewController *controller) override;

    std::shared_ptr<movie> film;
    QMSignInGate gate{this};
    QPointer<QMMovieCommentViewController> sheet;
    CommentsRecorder comments; // what the last selectCommentList brought
    int reloads = 0;
};

// The comment screens in a real window against the real service, as the demo member.
class CommentScreens : public ::testing::Test
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Signs the demo member in without screens.
    static void signIn();
    // Signs in on the sign-in screen as a member would; returns when the answer is in.
    static void signInOn(QMLoginViewController *login);
    static void flush();
    // The top screen of a stack once it stands still.
    template<class Screen> static Screen *topOf(QMNavigationController *stack);
    // Taps, then keys that carry text, Chinese included.
    static void typeInto(QWidget *target, const QString &text);
    static void tap(QWidget *widget);

    static QMAlertView *alert();
    static bool waitForAlert();
    // "title/message/button" of the top alert.
    static std::string said();
    // Presses the button of the top alert.
    static void dismissAlert();

    // The first page of comments on a film (type 1) or a cinema (type 0), newest first.
    static QList<std::shared_ptr<Comment>> comments(const QString &target, unsigned type);
    static QList<std::shared_ptr<Comment>> filmComments() { return comments(film->movieid, 1); }
    // The sheet over the window (a navigation stack), if any.
    QMNavigationController *sheetStack() const;
    void screenshot(const QString &name) const;

    static QMTestService *service;
    static std::shared_ptr<movie> film;
    QMTestDocuments documents;
    std::unique_ptr<QMWindow> window;
    std::unique_ptr<QMNavigationController> stack;
    FilmScreen *filmScreen = nullptr;
};

template<class Screen> Screen *CommentScreens::topOf(QMNavigationController *stack)
{
    if (!stack || !QTest::qWaitFor([&] { return !stack->isTransitioning(); }))
        return nullptr;
    return qobject_cast<Screen *>(stack->topViewController());
}
