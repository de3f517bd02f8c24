#include "kit/QMNavigationController.h"

#include "kit/QMKitStyle.h"
#include "kit/QMNavigationBar.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTransition.h"

#include <QWidget>

QMNavigationController::QMNavigationController(std::unique_ptr<QMViewController> rootViewController)
    : m_transition(std::make_unique<QMTransition>())
    , m_tintColor(QMKitStyle::tintColor())
{
    if (rootViewController) {
        setParentOf(rootViewController.get(), this);
        m_stack.push_back(std::move(rootViewController));
    }
}

QMNavigationController::~QMNavigationController()
{
    m_transition.reset();
    m_removed.clear();
    m_stack.clear();
}

QList<QMViewController *> QMNavigationController::viewControllers() const
{
    return pointersOf(m_stack);
}

QMViewController *QMNavigationController::topViewController() const
{
    return m_stack.empty() ? nullptr : m_stack.back().get();
}

QMNavigationBar *QMNavigationController::navigationBar()
{
    view();
    return m_bar;
}

void QMNavigationController::setTintColor(const QColor &color)
{
    m_tintColor = color;
    if (m_bar)
        m_bar->setTintColor(color);
}

void QMNavigationController::setNavigationBarHidden(bool hidden, bool animated)
{
    Q_UNUSED(animated)
    m_barHidden = hidden;
    if (isViewLoaded()) {
        m_bar->setVisible(!hidden);
        viewDidLayoutSubviews();
    }
}

bool QMNavigationController::isTransitioning() const
{
    return m_transition->isRunning();
}

void QMNavigationController::push(std::unique_ptr<QMViewController> controller, bool animated)
{
    if (!controller)
        return;
    m_transition->finish();
    setParentOf(controller.get(), this);
    m_stack.push_back(std::move(controller));
    showTop(animated, Direction::Forward);
}

bool QMNavigationController::pop(bool animated)
{
    if (m_stack.size() < 2)
        return false;
    popAbove(m_stack.size() - 1, animated);
    return true;
}

void QMNavigationController::popToRoot(bool animated)
{
    popAbove(1, animated);
}

void QMNavigationController::popToViewController(QMViewController *controller, bool animated)
{
    for (std::size_t i = 0; i < m_stack.size(); ++i) {
        if (m_stack[i].get() == controller) {
            popAbove(i + 1, animated);
            return;
        }
    }
}

void QMNavigationController::popAbove(std::size_t keep, bool animated)
{
    m_transition->finish();
    if (keep == 0 || keep >= m_stack.size())
        return;
    while (m_stack.size() > keep) {
        m_removed.push_back(std::move(m_stack.back()));
        m_stack.pop_back();
    }
    showTop(animated, Direction::Backward);
}

QRect QMNavigationController::contentRect() const
{
    const QRect all = isViewLoaded() ? const_cast<QMNavigationController *>(this)->view()->rect()
                                     : QRect(0, 0, 320, 460);
    return m_barHidden ? all : all.adjusted(0, QMNavigationBar::barHeight, 0, 0);
}

QList<QMNavigationItem *> QMNavigationController::navigationItems() const
{
    QList<QMNavigationItem *> items;
    for (const auto &controller : m_stack)
        items.append(controller->navigationItem());
    return items;
}

void QMNavigationController::showTop(bool animated, Direction direction)
{
    QMViewController *to = topViewController();
    QMViewController *from = m_shown;
    if (!isViewLoaded() || to == from) {
        if (!isViewLoaded())
            releaseRemoved();
        return;
    }
    QWidget *toView = to->view();
    // Loading that view may have pushed or popped already, and shown the newer top.
    if (to != topViewController() || m_shown != from)
        return;

    m_shown = to;
    const QRect area = contentRect();
    if (toView->parentWidget() != view())
        toView->setParent(view());
    toView->setGeometry(area);
    toView->show();
    m_bar->raise();
    m_bar->setItems(navigationItems(), animated && isViewVisible());

    const bool visible = isViewVisible();
    if (visible) {
        if (from)
            from->beginAppearanceTransition(false, animated);
        to->beginAppearanceTransition(true, animated);
    }
    QPointer<QWidget> fromView = from ? from->view() : nullptr;
    QPointer<QWidget> movingView = toView;
    QPointer<QMViewController> leaving = from;
    QPointer<QMViewController> arriving = to;
    const int sign = direction == Direction::Forward ? 1 : -1;
    m_transition->run(
        animated && visible && from,
        [this, fromView, movingView, sign](qreal progress) {
            const QRect area = contentRect();
            const int shift = qRound(progress * area.width());
            if (movingView)
                movingView->move(area.x() + sign * (area.width() - shift), area.y());
            if (fromView)
                fromView->move(area.x() - sign * shift, area.y());
        },
        [this, fromView, leaving, arriving, visible] {
            if (fromView)
                fromView->hide();
            if (visible) {
                if (leaving)
                    leaving->endAppearanceTransition();
                if (arriving)
                    arriving->endAppearanceTransition();
            }
            releaseRemoved();
        },
        QMKitStyle::slideDuration);
}

void QMNavigationController::releaseRemoved()
{
    std::vector<std::unique_ptr<QMViewController>> removed;
    removed.swap(m_removed);
    for (auto &controller : removed)
        discardChild(std::move(controller));
}

std::unique_ptr<QWidget> QMNavigationController::loadView()
{
    auto container = std::make_unique<QWidget>();
    container->resize(320, 460);
    QMKitStyle::setBackgroundColor(container.get(), Qt::white);
    m_bar = new QMNavigationBar(container.get());
    m_bar->setTintColor(m_tintColor);
    m_bar->setVisible(!m_barHidden);
    connect(m_bar, &QMNavigationBar::backButtonClicked, this, [this] { pop(true); });
    return container;
}

void QMNavigationController::viewDidLoad()
{
    viewDidLayoutSubviews();
    showTop(false, Direction::Forward);
}

void QMNavigationController::viewDidLayoutSubviews()
{
    if (!m_bar)
        return;
    m_bar->setGeometry(0, 0, view()->width(), QMNavigationBar::barHeight);
    if (m_shown && !m_transition->isRunning())
        m_shown->view()->setGeometry(contentRect());
}

QList<QMViewController *> QMNavigationController::childViewControllersForAppearance() const
{
    if (m_shown)
        return {m_shown.data()};
    return {};
}
