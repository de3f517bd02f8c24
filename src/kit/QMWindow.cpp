#include "kit/QMWindow.h"

#include "kit/QMAccessibleFactory.h"
#include "kit/QMAlertView.h"
#include "kit/QMFocusRing.h"
#include "kit/QMKeyboardNavigation.h"
#include "kit/QMKitStyle.h"
#include "kit/QMStatusStrip.h"
#include "kit/QMViewController.h"

#include <QApplication>
#include <QKeyEvent>
#include <QShowEvent>

static QPointer<QMWindow> &keyWindowSlot()
{
    static QPointer<QMWindow> window;
    return window;
}

QMWindow::QMWindow(QWidget *parent)
    : QWidget(parent)
    , m_statusStrip(new QMStatusStrip(this))
    , m_keyboard(new QMKeyboardNavigation(this))
    , m_focusRing(new QMFocusRing(this))
{
    QMAccessibleFactory::install();
    setFixedSize(windowWidth, windowHeight);
    setFont(QMKitStyle::systemFont(14));
    QMKitStyle::setBackgroundColor(this, Qt::white);
    m_statusStrip->setGeometry(0, 0, windowWidth, QMStatusStrip::stripHeight);
    if (!keyWindowSlot())
        keyWindowSlot() = this;
}

QMWindow::~QMWindow()
{
    // The root screen outlives the window: give its view back.
    if (m_root && m_root->isViewLoaded() && m_root->view()->parentWidget() == this) {
        m_root->view()->hide();
        m_root->view()->setParent(nullptr);
    }
}

QMViewController *QMWindow::rootViewController() const
{
    return m_root;
}

QRect QMWindow::contentRect() const
{
    return QRect(0, QMStatusStrip::stripHeight, windowWidth,
                 windowHeight - QMStatusStrip::stripHeight);
}

QMViewController *QMWindow::visibleController() const
{
    QMViewController *controller = m_root;
    while (controller && controller->modalViewController())
        controller = controller->modalViewController();
    return controller;
}

void QMWindow::setRootVisible(bool visible)
{
    if (QMViewController *controller = visibleController()) {
        controller->beginAppearanceTransition(visible, false);
        controller->endAppearanceTransition();
    }
}

void QMWindow::setRootViewController(QMViewController *controller)
{
    if (controller == m_root)
        return;
    if (m_root) {
        if (isVisible())
            setRootVisible(false);
        if (m_root->isViewLoaded() && m_root->view()->parentWidget() == this) {
            m_root->view()->hide();
            m_root->view()->setParent(nullptr);
        }
    }
    m_root = controller;
    if (!controller)
        return;
    QWidget *rootView = controller->view();
    rootView->setParent(this);
    rootView->setGeometry(contentRect());
    rootView->lower();
    rootView->show();
    if (isVisible())
        setRootVisible(true);
}

void QMWindow::makeKeyAndVisible()
{
    keyWindowSlot() = this;
    show();
}

QMWindow *QMWindow::keyWindow()
{
    if (keyWindowSlot())
        return keyWindowSlot();
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *widget : windows) {
        if (auto *window = qobject_cast<QMWindow *>(widget); window && window->isVisible())
            return window;
    }
    return nullptr;
}

QMWindow *QMWindow::windowOf(const QWidget *widget)
{
    return widget ? qobject_cast<QMWindow *>(widget->window()) : nullptr;
}

void QMWindow::bringAlertsToFront()
{
    const QList<QMAlertView *> alerts = findChildren<QMAlertView *>(Qt::FindDirectChildrenOnly);
    for (QMAlertView *alert : alerts)
        alert->raise();
}

QImage QMWindow::screenshot()
{
    return grab().toImage();
}

bool QMWindow::saveScreenshot(const QString &pngPath)
{
    return screenshot().save(pngPath, "PNG");
}

void QMWindow::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if ((event->type() == QEvent::WindowStateChange && isMinimized()) ||
        (event->type() == QEvent::ActivationChange && !isActiveWindow()))
        emit didResignActive();
}

void QMWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        setRootVisible(true);
}

void QMWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        setRootVisible(false);
}

void QMWindow::keyPressEvent(QKeyEvent *event)
{
    if (!m_keyboard->handleUnusedKey(event))
        QWidget::keyPressEvent(event);
}
