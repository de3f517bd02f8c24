#include "QMCommentScreenTestCase.h"

#include "app/QMDataContext.h"
#include "comments/QMMovieCommentViewController.h"
#include "kit/QMAlertView.h"
#include "kit/QMBarButton.h"
#include "kit/QMTextField.h"
#include "kit/QMWindow.h"
#include "members/QMLoginViewController.h"
#include "net/QMDataProvider.h"

#include <QCoreApplication>
#include <QDir>

QMTestService *CommentScreens::service = nullptr;
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
    service = new QMTestService();
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
    delete service;
    service = nullptr;
    QMDataProvider::setBaseAddressForTesting({});
}

void CommentScreens::SetUp()
{
    ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
    ASSERT_TRUE(film) << "the service shows films";
    QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    window = std::make_unique<QMWindow>();
    window->makeKeyAndVisible();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    auto root = std::make_unique<FilmScreen>();
    filmScreen = root.get();
    filmScreen->film = film;
    stack = std::make_unique<QMNavigationController>(std::move(root));
    window->setRootViewController(stack.get());
}

void CommentScreens::TearDown()
{
    while (QMAlertView *shown = alert())
        shown->clickButton();
    window->setRootViewController(nullptr);
    stack.reset();
    window.reset();
    flush();
    QMDataContext::CloseDataContext();
    QMDataProvider::CloseDataProvider();
    QMDataProvider::setBaseAddressForTesting({});
}

void CommentScreens::signIn()
{
    LoginRecorder recorder;
    QMLoginProvider *provider = QMDataContext::CurrentDataContext()->loginProvider();
    provider->username = QStringLiteral("demo@example.com");
    provider->password = QStringLiteral("demo123");
    provider->loginDelegate = &recorder;
    provider->requestLogin();
    ASSERT_TRUE(recorder.waitForCalls());
    ASSERT_EQ(recorder.successes, 1) << recorder.errorText().toStdString();
}

void CommentScreens::signInOn(QMLoginViewController *login)
{
    ASSERT_TRUE(login);
    typeInto(login->userNameField(), QStringLiteral("demo@example.com"));
    typeInto(login->passwordField(), QStringLiteral("demo123"));
    QPointer<QMLoginViewController> watched = login;
    tap(login->loginButton());
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return QMDataProvider::DataProvider()->isLogged() || alert(); }, 15000));
    ASSERT_FALSE(alert()) << said();
}

void CommentScreens::flush()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void CommentScreens::typeInto(QWidget *target, const QString &text)
{
    tap(target);
    if (auto *field = qobject_cast<QMTextField *>(target)) {
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
    }
    for (const char32_t codePoint : text.toUcs4()) {
        const QString one = QString::fromUcs4(&codePoint, 1);
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, one, Qt::NoModifier);
    }
}

void CommentScreens::tap(QWidget *widget)
{
    ASSERT_TRUE(widget);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(10, 10));
}

QMAlertView *CommentScreens::alert()
{
    const QList<QMAlertView *> shown = QMAlertView::visibleAlerts();
    return shown.isEmpty() ? nullptr : shown.last();
}

bool CommentScreens::waitForAlert()
{
    return QTest::qWaitFor([] { return alert(); }, 15000);
}

std::string CommentScreens::said()
{
    const QMAlertView *shown = alert();
    if (!shown)
        return "no alert";
    return (shown->title() + QLatin1Char('/') + shown->message() + QLatin1Char('/') +
            shown->button()->text())
        .toStdString();
}

void CommentScreens::dismissAlert()
{
    if (QMAlertView *shown = alert())
        QTest::mouseClick(shown->button(), Qt::LeftButton);
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

void CommentScreens::screenshot(const QString &name) const
{
    const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        window->saveScreenshot(QDir(dir).filePath(name));
}
