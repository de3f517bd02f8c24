#include "kit/QMViewController.h"

#include "kit/QMKitStyle.h"
#include "kit/QMNavigationController.h"
#include "kit/QMNavigationItem.h"
#include "kit/QMTabBarController.h"
#include "kit/QMTabBarItem.h"
#include "kit/QMTransition.h"
#include "kit/QMWindow.h"

#include <QEvent>
#include <QWidget>

QMViewController::QMViewController() = default;

QMViewController::~QMViewController()
{
    // Sheets first: their views may live in the same window as ours.
    m_presented.reset();
    m_dismissing.reset();
    m_modalTransition.reset();
    delete m_view.data(); // the view is ours even while a container shows it
}

QWidget *QMViewController::view()
{
    if (m_view)
        return m_view;
    std::unique_ptr<QWidget> created = loadView();
    if (!created)
        created = QMViewController::loadView();
    m_view = created.release();
    m_view->installEventFilter(this);
    viewDidLoad();
    return m_view;
}

std::unique_ptr<QWidget> QMViewController::loadView()
{
    auto view = std::make_unique<QWidget>();
    view->resize(320, 460);
    QMKitStyle::setBackgroundColor(view.get(), Qt::white);
    return view;
}

void QMViewController::setTitle(const QString &title)
{
    m_title = title;
    navigationItem()->setTitle(title);
}

QMNavigationItem *QMViewController::navigationItem()
{
    if (!m_navigationItem)
        m_navigationItem = std::make_unique<QMNavigationItem>(m_title);
    return m_navigationItem.get();
}

QMTabBarItem *QMViewController::tabBarItem()
{
    if (!m_tabBarItem)
        m_tabBarItem = std::make_unique<QMTabBarItem>(m_title, QImage(), 0);
    return m_tabBarItem.get();
}

QMNavigationController *QMViewController::navigationController() const
{
    for (QMViewController *c = m_parent; c; c = c->m_parent) {
        if (auto *navigation = qobject_cast<QMNavigationController *>(c))
            return navigation;
    }
    return nullptr;
}

QMTabBarController *QMViewController::tabBarController() const
{
    for (QMViewController *c = m_parent; c; c = c->m_parent) {
        if (auto *tabs = qobject_cast<QMTabBarController *>(c))
            return tabs;
    }
    return nullptr;
}

void QMViewController::setParentOf(QMViewController *child, QMViewController *parent)
{
    if (child)
        child->m_parent = parent;
}

QList<QMViewController *>
QMViewController::pointersOf(const std::vector<std::unique_ptr<QMViewController>> &children)
{
    QList<QMViewController *> result;
    for (const auto &child : children)
        result.append(child.get());
    return result;
}

void QMViewController::discardChild(std::unique_ptr<QMViewController> child)
{
    if (!child)
        return;
    if (child->isViewLoaded())
        child->view()->hide();
    child->m_parent = nullptr;
    child.release()->deleteLater();
}

bool QMViewController::isViewVisible() const
{
    return m_appearance == Appearance::Appearing || m_appearance == Appearance::Appeared;
}

void QMViewController::beginAppearanceTransition(bool appearing, bool animated)
{
    if (appearing == isViewVisible())
        return;
    m_animatedAppearance = animated;
    if (appearing) {
        view();
        m_appearance = Appearance::Appearing;
        viewWillAppear(animated);
    } else {
        m_appearance = Appearance::Disappearing;
        viewWillDisappear(animated);
    }
    for (QMViewController *child : childViewControllersForAppearance())
        child->beginAppearanceTransition(appearing, animated);
}

void QMViewController::endAppearanceTransition()
{
    if (m_appearance == Appearance::Appearing) {
        m_appearance = Appearance::Appeared;
        viewDidAppear(m_animatedAppearance);
    } else if (m_appearance == Appearance::Disappearing) {
        m_appearance = Appearance::Disappeared;
        viewDidDisappear(m_animatedAppearance);
    } else {
        return;
    }
    for (QMViewController *child : childViewControllersForAppearance())
        child->endAppearanceTransition();
}

void QMViewController::endEditing()
{
    if (!m_view)
        return;
    QWidget *editing = m_view->window()->focusWidget();
    if (editing && (editing == m_view || m_view->isAncestorOf(editing)))
        editing->clearFocus();
}

bool QMViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view) {
        if (event->type() == QEvent::Resize)
            viewDidLayoutSubviews();
        // Text fields, text views and buttons take their presses; what reaches the view itself
        // fell on its background (or on a label).
        else if (event->type() == QEvent::MouseButtonPress)
            endEditing();
    }
    return QObject::eventFilter(watched, event);
}

QMViewController *QMViewController::rootAncestor()
{
    QMViewController *root = this;
    while (root->m_parent)
        root = root->m_parent;
    return root;
}

QWidget *QMViewController::sheetHost(QRect *area)
{
    QWidget *rootView = rootAncestor()->view();
    if (QMWindow *window = QMWindow::windowOf(rootView)) {
        *area = window->contentRect();
        return window;
    }
    *area = rootView->rect();
    return rootView;
}

void QMViewController::finishModalTransition()
{
    if (m_modalTransition)
        m_modalTransition->finish();
}

// The deepest sheet of a chain of sheets: the one the user sees.
static QMViewController *visibleSheet(QMViewController *controller)
{
    while (controller->modalViewController())
        controller = controller->modalViewController();
    return controller;
}

void QMViewController::presentModalViewController(std::unique_ptr<QMViewController> controller,
                                                  bool animated)
{
    if (!controller)
        return;
    QMViewController *presenter = rootAncestor();
    presenter->finishModalTransition();
    // A sheet over a sheet: the newest rises over the one the user sees.
    presenter = visibleSheet(presenter);
    presenter->finishModalTransition();

    QRect area;
    QWidget *host = presenter->sheetHost(&area);
    QMViewController *sheet = controller.get();
    presenter->m_presented = std::move(controller);
    sheet->m_presenting = presenter;

    QWidget *sheetView = sheet->view();
    if (presenter->m_presented.get() != sheet)
        return; // the sheet's own loading replaced it
    sheetView->setParent(host);
    sheetView->setGeometry(area);
    sheetView->show();
    sheetView->raise();
    if (auto *window = qobject_cast<QMWindow *>(host))
        window->bringAlertsToFront();

    const bool visible = presenter->isViewVisible();
    if (visible) {
        presenter->beginAppearanceTransition(false, animated);
        sheet->beginAppearanceTransition(true, animated);
    }
    if (!presenter->m_modalTransition)
        presenter->m_modalTransition = std::make_unique<QMTransition>();
    QPointer<QWidget> movingView = sheetView;
    QPointer<QMViewController> shown = sheet;
    presenter->m_modalTransition->run(
        animated && visible,
        [movingView, area](qreal progress) {
            if (movingView)
                movingView->move(area.x(), area.y() + qRound((1.0 - progress) * area.height()));
        },
        [presenter, shown, visible] {
            if (!visible)
                return;
            presenter->endAppearanceTransition();
            if (shown)
                shown->endAppearanceTransition();
        },
        QMKitStyle::slideDuration);
}

void QMViewController::dismissModalViewController(bool animated)
{
    QMViewController *presenter = nullptr;
    for (QMViewController *c = this; c && !presenter; c = c->m_parent) {
        if (c->m_presented)
            presenter = c;
        else if (c->m_presenting)
            presenter = c->m_presenting;
    }
    if (!presenter)
        return;
    presenter->finishModalTransition();
    if (!presenter->m_presented)
        return; // the movement just completed was this very dismissal

    std::unique_ptr<QMViewController> sheet = std::move(presenter->m_presented);
    QMViewController *seen = visibleSheet(sheet.get());
    const bool visible = seen->isViewVisible();
    if (visible) {
        seen->beginAppearanceTransition(false, animated);
        presenter->beginAppearanceTransition(true, animated);
    }
    QPointer<QWidget> movingView = sheet->view();
    const QPoint start = movingView->pos();
    const int distance =
        movingView->parentWidget() ? movingView->parentWidget()->height() : movingView->height();
    presenter->m_dismissing = std::move(sheet);
    presenter->m_modalTransition->run(
        animated && visible,
        [movingView, start, distance](qreal progress) {
            if (movingView)
                movingView->move(start.x(), start.y() + qRound(progress * distance));
        },
        [presenter, seen, visible, movingView] {
            if (movingView)
                movingView->hide();
            if (visible) {
                seen->endAppearanceTransition();
                presenter->endAppearanceTransition();
            }
            if (presenter->m_dismissing) {
                presenter->m_dismissing->m_presenting = nullptr;
                // Later: the dismissal may come from a button of the sheet itself.
                presenter->m_dismissing.release()->deleteLater();
            }
        },
        QMKitStyle::slideDuration);
}
