#include "app/QMMainAppDelegate.h"

#include "app/QMDataContext.h"
#include "app/QMLoadingView.h"
#include "app/QMWindowPlace.h"
#include "cinemas/QMCinemaViewController.h"
#include "films/QMMovieViewController.h"
#include "films/QMOnPlayListProvider.h"
#include "kit/QMKeyboardNavigation.h"
#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMWindow.h"
#include "members/QMMyQuelmaViewController.h"
#include "net/QMDataProvider.h"
#include "services/QMImageCache.h"
#include "services/QMLocationProvider.h"
#include "services/QMResourceImages.h"

#include <QApplication>

namespace {
std::unique_ptr<QMNavigationController> tab(std::unique_ptr<QMViewController> root,
                                            const QString &title, const char *image, int tag)
{
    auto stack = std::make_unique<QMNavigationController>(std::move(root));
    stack->setTintColor(QMKitStyle::tintColor());
    QMTabBarItem *item = stack->tabBarItem();
    item->setTitle(title);
    item->setImage(QMResourceImages::named(QLatin1String(image)));
    item->setTag(tag);
    return stack;
}
} // namespace

QMMainAppDelegate::QMMainAppDelegate() = default;

QMMainAppDelegate::~QMMainAppDelegate()
{
    applicationWillTerminate();
}

bool QMMainAppDelegate::applicationDidFinishLaunching()
{
    std::vector<std::unique_ptr<QMViewController>> tabs;
    tabs.push_back(
        tab(std::make_unique<QMMovieViewController>(), QStringLiteral("电 影"), "movie.png", 0));
    tabs.push_back(
        tab(std::make_unique<QMCinemaViewController>(), QStringLiteral("影 院"), "cinema.png", 1));
    tabs.push_back(
        tab(std::make_unique<QMMyQuelmaViewController>(), QStringLiteral("叽 喳"), "myQMR.png", 2));

    m_tabController = std::make_unique<QMTabBarController>();
    m_tabController->setDelegate(this);
    m_tabController->setViewControllers(std::move(tabs));
    m_window = std::make_unique<QMWindow>();
    m_window->setWindowTitle(QCoreApplication::applicationName());
    m_window->setRootViewController(m_tabController.get());
    new QMWindowPlace(m_window.get());
    m_window->makeKeyAndVisible();
    connect(m_window->keyboardNavigation(), &QMKeyboardNavigation::quitRequested, qApp,
            &QCoreApplication::quit);

    connect(m_window.get(), &QMWindow::didResignActive, this,
            &QMMainAppDelegate::applicationWillResignActive);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationHidden || state == Qt::ApplicationSuspended)
                    applicationDidEnterBackground();
                else if (state == Qt::ApplicationInactive)
                    applicationWillResignActive();
            });
    connect(qApp, &QCoreApplication::aboutToQuit, this,
            &QMMainAppDelegate::applicationWillTerminate);

    m_loadingView = new QMLoadingView(QRect(0, 0, QMWindow::windowWidth, QMWindow::windowHeight),
                                      m_window.get());
    m_loadingView->show();
    m_loadingView->raise();

    QMDataContext *context = QMDataContext::CurrentDataContext();
    context->locationProvider()->updateLocation();
    QMOnPlayListProvider *nowShowing = context->onPlayListProvider();
    nowShowing->playListDelegate = movieViewController();
    nowShowing->sendRequest();
    return true;
}

QMMovieViewController *QMMainAppDelegate::movieViewController() const
{
    if (!m_tabController || m_tabController->viewControllers().isEmpty())
        return nullptr;
    auto *stack =
        qobject_cast<QMNavigationController *>(m_tabController->viewControllers().first());
    return stack ? qobject_cast<QMMovieViewController *>(stack->viewControllers().value(0))
                 : nullptr;
}

QMMyQuelmaViewController *QMMainAppDelegate::myQuelmaViewController() const
{
    return m_tabController
               ? QMMyQuelmaViewController::inTab(m_tabController->viewControllers().value(2))
               : nullptr;
}

bool QMMainAppDelegate::tabBarControllerShouldSelectViewController(QMTabBarController *controller,
                                                                   QMViewController *viewController)
{
    // Touching the current tab again must not reset its stack.
    return controller->selectedViewController() != viewController;
}

void QMMainAppDelegate::applicationWillResignActive()
{
    // The picture index is written only when it changed, so focus going back and forth costs
    // nothing.
    if (!m_terminated)
        QMImageCache::defaultCache()->cacheDict();
}

void QMMainAppDelegate::applicationDidEnterBackground()
{
    if (!m_terminated)
        QMImageCache::defaultCache()->cacheDict();
}

void QMMainAppDelegate::applicationWillTerminate()
{
    if (m_terminated)
        return;
    m_terminated = true;
    // The posters kept so far are served from the files at the next start.
    QMImageCache::defaultCache()->cacheDict();
    // Screens first: they may still hold delegates of providers.
    m_window.reset();
    m_tabController.reset();
    QMDataContext::CloseDataContext();
    QMDataProvider::CloseDataProvider();
    QMImageCache::CloseCache();
}
