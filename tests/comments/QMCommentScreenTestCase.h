#pragma once

#include "comments/QMCommentListOwner.h"
#include "comments/QMMovieCommentViewControllerDelegate.h"
#include "members/QMSignInGate.h"

#include "QMScreenTestCase.h"
#include "QMTestRecorders.h"

#include <QPointer>

#include <memory>

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
class CommentScreens : public QMScreenTestCase
{
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    // The first page of comments on a film (type 1) or a cinema (type 0), newest first.
    static QList<std::shared_ptr<Comment>> comments(const QString &target, unsigned type);
    static QList<std::shared_ptr<Comment>> filmComments() { return comments(film->movieid, 1); }
    // The sheet over the window (a navigation stack), if any.
    QMNavigationController *sheetStack() const;

    static std::shared_ptr<movie> film;
    FilmScreen *filmScreen = nullptr;
};
