#include "kit/QMKeyboardNavigation.h"

#include "kit/QMAlertView.h"
#include "kit/QMStatusStrip.h"
#include "kit/QMTabBar.h"
#include "kit/QMWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShortcut>
#include <QTextEdit>

#include <algorithm>

static const char *const backButtonProperty = "qmBackButton";

static bool isTextInput(const QWidget *widget)
{
    return qobject_cast<const QLineEdit *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget) || qobject_cast<const QTextEdit *>(widget);
}

QMKeyboardNavigation::QMKeyboardNavigation(QMWindow *window)
    : QObject(window)
    , m_window(window)
{
    const auto shortcut = [window](const QKeySequence &keys, auto action) {
        auto *result = new QShortcut(keys, window);
        result->setContext(Qt::WindowShortcut);
        connect(result, &QShortcut::activated, window, action);
    };
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { emit quitRequested(); });
    shortcut(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { goBack(); });
    for (int tab = 0; tab < 3; ++tab)
        shortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + tab)),
                 [this, tab] { selectTab(tab); });
}

void QMKeyboardNavigation::markBackButton(QAbstractButton *button)
{
    button->setProperty(backButtonProperty, true);
}

bool QMKeyboardNavigation::alertShown() const
{
    const QList<QMAlertView *> alerts = QMAlertView::visibleAlerts();
    return std::any_of(alerts.begin(), alerts.end(),
                       [this](const QMAlertView *alert) { return alert->window() == m_window; });
}

QWidget *QMKeyboardNavigation::topLayer() const
{
    const QRect screen = m_window->contentRect();
    const QObjectList children = m_window->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        auto *widget = qobject_cast<QWidget *>(*it);
        if (!widget || widget->isHidden() || qobject_cast<QMStatusStrip *>(widget) ||
            widget->testAttribute(Qt::WA_TransparentForMouseEvents))
            continue;
        // Busy indicators and the like stand over part of a screen without owning the keys.
        if (widget->geometry().contains(screen))
            return widget;
    }
    return nullptr;
}

bool QMKeyboardNavigation::goBack()
{
    QWidget *layer = alertShown() ? nullptr : topLayer();
    if (!layer)
        return false;
    // The deepest visible one: a stack inside a page is above the page's own bar.
    const QList<QAbstractButton *> buttons = layer->findChildren<QAbstractButton *>();
    for (auto it = buttons.crbegin(); it != buttons.crend(); ++it) {
        QAbstractButton *button = *it;
        if (button->property(backButtonProperty).toBool() && button->isVisibleTo(m_window) &&
            button->isEnabled()) {
            button->click();
            return true;
        }
    }
    return false;
}

bool QMKeyboardNavigation::selectTab(int index)
{
    QWidget *layer = alertShown() ? nullptr : topLayer();
    if (!layer)
        return false;
    const QList<QMTabBar *> bars = layer->findChildren<QMTabBar *>();
    for (QMTabBar *bar : bars) {
        if (bar->isVisibleTo(m_window))
            return bar->tapItem(index);
    }
    return false;
}

QWidget *QMKeyboardNavigation::keyTarget(QWidget *layer) const
{
    if (layer->focusPolicy() & Qt::TabFocus) {
        QWidget *proxy = layer;
        while (proxy->focusProxy())
            proxy = proxy->focusProxy();
        return proxy;
    }
    QWidget *best = nullptr;
    int bestArea = 0;
    const QList<QWidget *> widgets = layer->findChildren<QWidget *>();
    for (QWidget *widget : widgets) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || isTextInput(widget) ||
            !widget->isVisibleTo(m_window) || !widget->isEnabled())
            continue;
        const int area = widget->width() * widget->height();
        if (area > bestArea) {
            best = widget;
            bestArea = area;
        }
    }
    return best;
}

bool QMKeyboardNavigation::handleUnusedKey(QKeyEvent *event)
{
    // A key sent on below comes back up here when the target leaves it.
    if (m_forwarding)
        return false;
    QWidget *layer = topLayer();
    if (!layer)
        return false;
    const bool modal = layer->focusPolicy() & Qt::TabFocus; // an alert, a picker
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!modal)
            return event->modifiers() == Qt::NoModifier && goBack();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        return false;
    }
    QWidget *target = keyTarget(layer);
    QWidget *focus = QApplication::focusWidget();
    if (!target || target == focus || target->isAncestorOf(focus))
        return false; // it had its chance already
    // Into the focus, so that the next keys go there directly, unless a field has it.
    if (!focus || !isTextInput(focus) || !focus->isVisible())
        target->setFocus(Qt::OtherFocusReason);
    QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text(),
                   event->isAutoRepeat(), ushort(event->count()));
    m_forwarding = true;
    QCoreApplication::sendEvent(target, &copy);
    m_forwarding = false;
    return copy.isAccepted();
}
