#include "app/QMDataContext.h"
#include "app/QMMainAppDelegate.h"
#include "films/QMMovieOpenFlowView.h"
#include "films/QMMovieViewController.h"
#include "films/QMOnPlayListProvider.h"
#include "films/QMFutureMovieListViewController.h"
#include "films/QMToPlayInfoViewController.h"
#include "films/movie.h"
#include "films/QMToPlayListViewController.h"
#include "films/openflow/TPOpenFlowView.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarController.h"
#include "kit/QMWindow.h"
#include "net/QMDataProvider.h"
#include "services/QMImageCache.h"
#include "services/QMLocationProvider.h"

#include "QMTestDocuments.h"
#include "QMTestService.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
// The whole client against the stand-in service: one service for the suite.
class Application : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { service = new QMTestService(); }
    static void TearDownTestSuite()
    {
        delete service;
        service = nullptr;
    }
    void SetUp() override
    {
        ASSERT_TRUE(service->isRunning()) << service->log().toStdString();
        QMDataProvider::setBaseAddressForTesting(service->baseUrl());
    }
    void TearDown() override
    {
        delegate.reset();
        QMDataProvider::setBaseAddressForTesting({});
    }

    // Saves the window when QM_SCREENSHOT_DIR names a directory, to look at.
    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QM_SCREENSHOT_DIR");
        if (!dir.isEmpty() && delegate && delegate->window())
            delegate->window()->saveScreenshot(QDir(dir).filePath(name));
    }

    void tapTab(int index)
    {
        QMTabBar *bar = delegate->tabController()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->itemRect(index).center());
    }

    static QMTestService *service;
    QMTestDocuments documents;
    std::unique_ptr<QMMainAppDelegate> delegate = std::make_unique<QMMainAppDelegate>();
};
QMTestService *Application::service = nullptr;
} // namespace

TEST_F(Application, LaunchesOnTheShelfOfTheServicesFilmsWithTheirPosters)
{
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    EXPECT_TRUE(delegate->loadingView() && delegate->loadingView()->isVisible());
    screenshot(QStringLiteral("app-launch.png"));

    QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(shelf);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    // The cover goes once the list, a position and the 3 seconds are in.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));

    QMMovieOpenFlowView *view = shelf->shelfView();
    ASSERT_TRUE(view);
    EXPECT_GE(view->movieArray().size(), 20);
    EXPECT_EQ(view->openFlowView()->selectedCover(), 2);
    EXPECT_EQ(view->titleLabel()->text(), view->movieArray().at(2)->moviename);
    EXPECT_TRUE(view->descriptionLabel()->text().startsWith(QStringLiteral("导演：")));

    // The posters of the covers on screen reach the picture cache.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto entries = QMImageCache::defaultCache()->indexEntries();
            return std::any_of(entries.begin(), entries.end(), [&](const auto &entry) {
                return entry.first == view->movieArray().at(2)->smalllogo;
            });
        },
        20000));
    QTest::qWait(300);
    screenshot(QStringLiteral("app-films.png"));

    // The position comes from the walk around People's Square.
    const QMLocationProvider::Coordinate here =
        QMDataContext::CurrentDataContext()->locationProvider()->currentLocation();
    EXPECT_NEAR(here.latitude, 31.23, 0.02);
    EXPECT_NEAR(here.longitude, 121.47, 0.02);
}

TEST_F(Application, TappingTheSelectedTabKeepsItsStack)
{
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
    QMTabBarController *tabs = delegate->tabController();
    auto *films = qobject_cast<QMNavigationController *>(tabs->viewControllers().at(0));
    ASSERT_TRUE(films);

    // Into the coming-soon list through the shelf's right button.
    auto *button = qobject_cast<QAbstractButton *>(
        delegate->movieViewController()->navigationItem()->rightBarButton());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->text(), QStringLiteral("即将上映 "));
    QTest::mouseClick(button, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return films->viewControllers().size() == 2; }, 5000));
    EXPECT_TRUE(qobject_cast<QMToPlayListViewController *>(films->topViewController()));

    tapTab(0);
    QTest::qWait(400);
    EXPECT_EQ(tabs->selectedIndex(), 0);
    EXPECT_EQ(films->viewControllers().size(), 2);

    tapTab(1);
    EXPECT_EQ(tabs->selectedIndex(), 1);
    tapTab(1);
    EXPECT_EQ(tabs->selectedIndex(), 1);
    tapTab(0);
    EXPECT_EQ(tabs->selectedIndex(), 0);
    EXPECT_EQ(films->viewControllers().size(), 2);
}

TEST_F(Application, ComingSoonListsTheServicesFilmsWithTheirPosters)
{
    QMToPlayListViewController::setPlayCount(10);
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
    auto *films =
        qobject_cast<QMNavigationController *>(delegate->tabController()->viewControllers().at(0));
    delegate->movieViewController()->toPlayList();
    auto *list = qobject_cast<QMToPlayListViewController *>(films->topViewController());
    ASSERT_TRUE(list);
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->movieArray().size() == 10; }, 20000));
    EXPECT_FALSE(list->movieArray().first()->moviename.isEmpty());

    // The first rows' posters come from the service into the cache.
    const QString firstPoster = list->movieArray().first()->smalllogo;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto entries = QMImageCache::defaultCache()->indexEntries();
            return std::any_of(entries.begin(), entries.end(),
                               [&](const auto &entry) { return entry.first == firstPoster; });
        },
        20000));
    QTest::qWait(600);
    screenshot(QStringLiteral("app-coming-soon.png"));

    list->tableViewDidSelectRow(list->tableView(), 0);
    auto *details = qobject_cast<QMFutureMovieListViewController *>(films->topViewController());
    ASSERT_TRUE(details);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return !details->synopsisLabel()->text().isEmpty(); }, 20000));
    QTest::qWait(600);
    screenshot(QStringLiteral("app-coming-soon-film.png"));
}

// A desktop never says the application went to the background: the index is written when the
// window is minimised, when it loses the focus and when the client quits.
TEST_F(Application, ThePictureIndexIsWrittenOnMinimisingOnLosingTheFocusAndOnQuitting)
{
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    QMMovieViewController *shelf = delegate->movieViewController();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !shelf->movieArray().isEmpty(); }, 20000));
    const QString poster = shelf->movieArray().at(2)->smalllogo;
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto entries = QMImageCache::defaultCache()->indexEntries();
            return std::any_of(entries.begin(), entries.end(),
                               [&](const auto &entry) { return entry.first == poster; });
        },
        20000));
    const QString indexFile = documents.filePath(QStringLiteral("imageDict"));
    const auto indexNamesThePoster = [&] {
        QFile file(indexFile);
        return file.open(QIODevice::ReadOnly) && file.readAll().contains(poster.toUtf8());
    };

    QMWindow *window = delegate->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QFile::remove(indexFile);
    QWidget elsewhere; // another application's window takes the focus
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_TRUE(indexNamesThePoster());

    QFile::remove(indexFile);
    window->showMinimized();
    EXPECT_TRUE(indexNamesThePoster());

    QFile::remove(indexFile);
    delegate.reset();
    EXPECT_TRUE(indexNamesThePoster());
}

TEST(Registry, IsClosedAndRecreatedWithNewProviders)
{
    QMDataContext *first = QMDataContext::CurrentDataContext();
    EXPECT_EQ(QMDataContext::CurrentDataContext(), first);
    QPointer<QMOnPlayListProvider> provider = first->onPlayListProvider();
    QPointer<QMLocationProvider> location = first->locationProvider();
    QMDataContext::CloseDataContext();
    EXPECT_TRUE(provider.isNull());
    EXPECT_TRUE(location.isNull());
    QMDataContext *second = QMDataContext::CurrentDataContext();
    ASSERT_TRUE(second->onPlayListProvider());
    EXPECT_TRUE(second->movieInfoProvider());
    EXPECT_TRUE(second->toPlayListProvider());
    QMDataContext::CloseDataContext();
}

// The desktop keyboard on the real client: ← / → turn the shelf, Enter opens the centred film,
// Esc comes back, Ctrl+2 goes to the cinemas.
TEST_F(Application, TheKeyboardTurnsTheShelfOpensTheCentredFilmAndComesBack)
{
    ASSERT_TRUE(delegate->applicationDidFinishLaunching());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !delegate->loadingView(); }, 20000));
    QMWindow *window = delegate->window();
    auto *films =
        qobject_cast<QMNavigationController *>(delegate->tabController()->viewControllers().at(0));
    TPOpenFlowView *covers = delegate->movieViewController()->shelfView()->openFlowView();
    ASSERT_EQ(covers->selectedCover(), 2);
    const auto press = [window](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus && focus->window() == window ? focus : window, key, modifiers);
    };

    press(Qt::Key_Right);
    press(Qt::Key_Right);
    press(Qt::Key_Left);
    EXPECT_EQ(covers->selectedCover(), 3);
    EXPECT_TRUE(covers->hasFocus());
    const QString title =
        delegate->movieViewController()->shelfView()->movieArray().at(3)->moviename;
    QTest::qWait(400);
    screenshot(QStringLiteral("app-keys-shelf.png"));

    press(Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return films->viewControllers().size() == 2; }, 5000));
    auto *details = qobject_cast<QMToPlayInfoViewController *>(films->topViewController());
    ASSERT_TRUE(details && details->selectsMovie);
    EXPECT_EQ(details->selectsMovie->moviename, title);
    QTest::qWait(400);
    press(Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([&] { return films->viewControllers().size() == 1; }, 5000));

    press(Qt::Key_2, Qt::ControlModifier);
    EXPECT_EQ(delegate->tabController()->selectedIndex(), 1);
    EXPECT_EQ(window->windowTitle(), QCoreApplication::applicationName());

    // Ctrl+Q ends the application's loop (the guard would end it with 3).
    QTimer::singleShot(0, window, [&] { press(Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(10000, window, [] { QCoreApplication::exit(3); });
    EXPECT_EQ(QApplication::exec(), 0);
}
