#pragma once

#include "kit/QMViewController.h"

#include <QColor>

#include <memory>
#include <vector>

class QMNavigationBar;

// A stack of screens under a 44-point bar. The stack owns its screens; a screen taken off the
// stack is deleted once its view has gone (later, so that it may ask for its own removal from
// one of its buttons). Animated pushes and pops slide horizontally; a push or pop asked for
// while one is moving completes the moving one first.
class QMNavigationController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMNavigationController)

public:
    explicit QMNavigationController(std::unique_ptr<QMViewController> rootViewController);
    ~QMNavigationController() override;

    void push(std::unique_ptr<QMViewController> controller, bool animated);
    // False when only the root is left.
    bool pop(bool animated);
    void popToRoot(bool animated);
    // Pops every screen above controller; nothing when it is not on the stack.
    void popToViewController(QMViewController *controller, bool animated);

    QList<QMViewController *> viewControllers() const;
    QMViewController *topViewController() const;

    QMNavigationBar *navigationBar();
    QColor tintColor() const { return m_tintColor; }
    void setTintColor(const QColor &color);

    bool isNavigationBarHidden() const { return m_barHidden; }
    // The bar goes or comes at once, animated or not; the screen takes or gives up its room.
    void setNavigationBarHidden(bool hidden, bool animated);

    // True while a push or pop is moving.
    bool isTransitioning() const;

protected:
    std::unique_ptr<QWidget> loadView() override;
    void viewDidLoad() override;
    void viewDidLayoutSubviews() override;
    QList<QMViewController *> childViewControllersForAppearance() const override;

private:
    enum class Direction { Forward, Backward };

    void popAbove(std::size_t keep, bool animated);
    void showTop(bool animated, Direction direction);
    void releaseRemoved();
    QRect contentRect() const;
    QList<QMNavigationItem *> navigationItems() const;

    std::vector<std::unique_ptr<QMViewController>> m_stack;
    // Off the stack, still on screen until the running movement ends.
    std::vector<std::unique_ptr<QMViewController>> m_removed;
    QPointer<QMViewController> m_shown;
    QPointer<QMNavigationBar> m_bar;
    std::unique_ptr<QMTransition> m_transition;
    QColor m_tintColor;
    bool m_barHidden = false;
};
