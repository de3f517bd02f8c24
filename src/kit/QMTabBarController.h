#pragma once

#include "kit/QMViewController.h"
#include "net/QMWeakDelegate.h"

#include <memory>
#include <vector>

class QMTabBar;
class QMTabBarControllerDelegate;

// Screens side by side, one shown at a time above the 49-point tab bar. A touch on the tab
// that is already selected does nothing (it never resets that tab's stack); a touch on another
// tab selects it when the delegate agrees.
class QMTabBarController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMTabBarController)

public:
    QMTabBarController();
    ~QMTabBarController() override;

    void setViewControllers(std::vector<std::unique_ptr<QMViewController>> controllers);
    QList<QMViewController *> viewControllers() const;

    int selectedIndex() const { return m_selectedIndex; }
    void setSelectedIndex(int index);
    QMViewController *selectedViewController() const;

    QMTabBarControllerDelegate *delegate() const;
    void setDelegate(QMTabBarControllerDelegate *delegate);

    QMTabBar *tabBar();

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    QList<QMViewController *> childViewControllersForAppearance() const override;

private:
    void tabTapped(int index);
    void showSelected();
    QList<QMTabBarItem *> tabBarItems() const;
    QRect contentRect() const;

    std::vector<std::unique_ptr<QMViewController>> m_controllers;
    int m_selectedIndex = -1;
    QPointer<QMViewController> m_shown;
    QPointer<QMTabBar> m_tabBar;
    QMWeakDelegate<QMTabBarControllerDelegate> m_delegate;
};
