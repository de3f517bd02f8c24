#pragma once

#include "app/QMLoadingView.h"
#include "kit/QMTabBarControllerDelegate.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QMMovieViewController;
class QMMyQuelmaViewController;
class QMTabBarController;
class QMWindow;

// Starts the application: the three tabs in the window, the launch cover over them, the first
// position fix and the first list of films; saves what must survive whenever the application
// may be left (inactive, minimised, in the background, quitting), and closes the process-wide
// objects when it ends.
class QMMainAppDelegate : public QObject, public QMTabBarControllerDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMainAppDelegate)

public:
    QMMainAppDelegate();
    ~QMMainAppDelegate() override;

    // Also follows the application's state and its window from then on.
    bool applicationDidFinishLaunching();
    // The window was minimised or lost the focus, or the application went inactive: a desktop
    // may never report more before the user quits or logs out.
    void applicationWillResignActive();
    void applicationDidEnterBackground();
    // Saves what must survive, then closes the screens and the process-wide objects.
    void applicationWillTerminate();

    QMWindow *window() const { return m_window.get(); }
    QMTabBarController *tabController() const { return m_tabController.get(); }
    QMMovieViewController *movieViewController() const;
    // The member tab's hub.
    QMMyQuelmaViewController *myQuelmaViewController() const;
    QMLoadingView *loadingView() const { return m_loadingView; }

    bool tabBarControllerShouldSelectViewController(QMTabBarController *controller,
                                                    QMViewController *viewController) override;

private:
    std::unique_ptr<QMTabBarController> m_tabController;
    std::unique_ptr<QMWindow> m_window;
    QPointer<QMLoadingView> m_loadingView;
    bool m_terminated = false;
};
