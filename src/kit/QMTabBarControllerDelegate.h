#pragma once

class QMTabBarController;
class QMViewController;

// Asked before a tab other than the selected one is chosen by a touch.
class QMTabBarControllerDelegate
{
public:
    virtual ~QMTabBarControllerDelegate() = default;
    virtual bool tabBarControllerShouldSelectViewController(QMTabBarController *controller,
                                                            QMViewController *viewController) = 0;
};
