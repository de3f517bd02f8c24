#include "kit/QMTabBarController.h"

#include "kit/QMKitStyle.h"
#include "kit/QMTabBar.h"
#include "kit/QMTabBarControllerDelegate.h"
#include "kit/QMTabBarItem.h"

#include <QWidget>

QMTabBarController::QMTabBarController() = default;

QMTabBarController::~QMTabBarController()
{
    m_controllers.clear();
}

void QMTabBarController::setViewControllers(
    std::vector<std::unique_ptr<QMViewController>> controllers)
{
    if (m_shown && isViewVisible()) {
        m_shown->beginAppearanceTransition(false, false);
        m_shown->endAppearanceTransition();
    }
    for (auto &old : m_controllers)
        discardChild(std::move(old));
    m_controllers.clear();
    m_shown = nullptr;
    for (auto &controller : controllers) {
        if (!controller)
            continue;
        setParentOf(controller.get(), this);
        m_controllers.push_back(std::move(controller));
    }
    m_selectedIndex =
        m_controllers.empty() ? -1 : qBound(0, m_selectedIndex, int(m_controllers.size()) - 1);
    if (m_tabBar)
        m_tabBar->setItems(tabBarItems());
    showSelected();
}

QList<QMViewController *> QMTabBarController::viewControllers() const
{
    return pointersOf(m_controllers);
}

QMViewController *QMTabBarController::selectedViewController() const
{
    if (m_selectedIndex < 0 || m_selectedIndex >= int(m_controllers.size()))
        return nullptr;
    return m_controllers[m_selectedIndex].get();
}

void QMTabBarController::setSelectedIndex(int index)
{
    if (index < 0 || index >= int(m_controllers.size()) || index == m_selectedIndex)
        return;
    m_selectedIndex = index;
    showSelected();
}

QMTabBarControllerDelegate *QMTabBarController::delegate() const
{
    return m_delegate.get();
}

void QMTabBarController::setDelegate(QMTabBarControllerDelegate *delegate)
{
    m_delegate = delegate;
}

QMTabBar *QMTabBarController::tabBar()
{
    view();
    return m_tabBar;
}

void QMTabBarController::tabTapped(int index)
{
    if (index == m_selectedIndex || index < 0 || index >= int(m_controllers.size()))
        return;
    if (m_delegate &&
        !m_delegate->tabBarControllerShouldSelectViewController(this, m_controllers[index].get()))
        return;
    setSelectedIndex(index);
}

QList<QMTabBarItem *> QMTabBarController::tabBarItems() const
{
    QList<QMTabBarItem *> items;
    for (const auto &controller : m_controllers)
        items.append(controller->tabBarItem());
    return items;
}

QRect QMTabBarController::contentRect() const
{
    const QRect all = const_cast<QMTabBarController *>(this)->view()->rect();
    return all.adjusted(0, 0, 0, -QMTabBar::barHeight);
}

void QMTabBarController::showSelected()
{
    QMViewController *to = selectedViewController();
    QMViewController *from = m_shown;
    if (!isViewLoaded() || !to || to == from)
        return;
    QWidget *toView = to->view();
    // Loading that view may already have selected another tab.
    if (to != selectedViewController() || m_shown != from)
        return;

    m_shown = to;
    const bool visible = isViewVisible();
    if (visible) {
        if (from)
            from->beginAppearanceTransition(false, false);
        to->beginAppearanceTransition(true, false);
    }
    if (toView->parentWidget() != view())
        toView->setParent(view());
    toView->setGeometry(contentRect());
    toView->show();
    if (from && from->isViewLoaded())
        from->view()->hide();
    m_tabBar->setSelectedIndex(m_selectedIndex);
    m_tabBar->raise();
    if (visible) {
        if (from)
            from->endAppearanceTransition();
        to->endAppearanceTransition();
    }
}

std::unique_ptr<QWidget> QMTabBarController::loadView()
{
    auto container = std::make_unique<QWidget>();
    container->resize(320, 460);
    QMKitStyle::setBackgroundColor(container.get(), Qt::white);
    m_tabBar = new QMTabBar(container.get());
    m_tabBar->setItems(tabBarItems());
    connect(m_tabBar, &QMTabBar::itemTapped, this, &QMTabBarController::tabTapped);
    return container;
}

void QMTabBarController::viewDidLoad()
{
    viewDidLayoutSubviews();
    showSelected();
}

void QMTabBarController::viewDidLayoutSubviews()
{
    if (!m_tabBar)
        return;
    const QRect all = view()->rect();
    m_tabBar->setGeometry(0, all.height() - QMTabBar::barHeight, all.width(), QMTabBar::barHeight);
    if (m_shown)
        m_shown->view()->setGeometry(contentRect());
}

QList<QMViewController *> QMTabBarController::childViewControllersForAppearance() const
{
    if (m_shown)
        return {m_shown.data()};
    return {};
}
