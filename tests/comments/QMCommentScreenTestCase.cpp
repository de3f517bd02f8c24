#include "QMCommentScreenTestCase.h"

#include "app/QMDataContext.h"
#include "comments/QMMovieCommentViewController.h"
#include "net/QMDataProvider.h"

std::shared_ptr<movie> CommentScreens::film;

FilmScreen::FilmScreen()
{
    setTitle(QStringLiteral("影片介绍"));
}

void FilmScreen::writeComment()
{
    gate.requireMember([this] {
        auto screen = std::make_unique<QMMovieCommentViewController>();
        screen->selectMovie = film;
        screen->commentListOwner = this;
        screen->movieCommentDelegate = this;
        sheet = screen.get();
        presentModalViewController(std::make_unique<QMNavigationController>(std::move(screen)),
                                   false);
    });
}

void FilmScreen::selectCommentList()
{
    ++reloads;
    requestComments(film->movieid, 1, &comments);
}

void FilmScreen::movieCommentViewControllerWillDismiss(QMMovieCommentViewController *)
{
    dismissModalViewController(false);
}

void CommentScreens::SetUpTestSuite()
{
    QMScreenTestCase::SetUpTestSuite();
    QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    NowShowingRecorder films;
    QMOnPlayListProvider *provider = QMDataContext::CurrentDataContext()->onPlayListProvider();
    provider->playListDelegate = &films;
    provider->sendRequest();
    if (films.waitForCalls() && films.record && !films.record->movieListArray.isEmpty())
        film = std::make_shared<movie>(*films.record->movieListArray.first());
    QMDataContext::CloseDataContext();
}

void CommentScreens::TearDownTestSuite()
{
    film.reset();
    QMScreenTestCase::TearDownTestSuite();
}

void CommentScreens::SetUp()
{
    QMScreenTestCase::SetUp();
    ASSERT_TRUE(film) << "the service shows films";
    filmScreen = showStack(std::make_unique<FilmScreen>());
    filmScreen->film = film;
}

void requestComments(const QString &target, unsigned type, CommentsRecorder *recorder)
{
    QMCommentProvider *provider = QMDataContext::CurrentDataContext()->commentProvider();
    provider->targetId = target;
    provider->type = type;
    provider->startIndex = 0;
    provider->maxReturn = 10;
    provider->commentDelegate = recorder;
    provider->requestComments();
}

QList<std::shared_ptr<Comment>> CommentScreens::comments(const QString &target, unsigned type)
{
    CommentsRecorder recorder;
    requestComments(target, type, &recorder);
    if (!recorder.waitForCalls() || !recorder.record)
        return {};
    return recorder.record->commentArray;
}

QMNavigationController *CommentScreens::sheetStack() const
{
    return qobject_cast<QMNavigationController *>(stack->modalViewController());
}
