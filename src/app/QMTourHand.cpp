#include "app/QMTourHand.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

QMTourHand::QMTourHand(QWidget *window)
    : m_window(window)
{}

bool QMTourHand::tap(const QWidget *widget) const
{
    if (!widget || !m_window || !widget->isVisible() || widget->window() != m_window)
        return false;
    const QPoint at = widget->mapTo(m_window, widget->rect().center());
    return tapAt(at);
}

bool QMTourHand::tapAt(const QPoint &windowPoint) const
{
    if (!m_window || !m_window->windowHandle() || !m_window->rect().contains(windowPoint))
        return false;
    sendMouse(QEvent::MouseMove, windowPoint, Qt::NoButton);
    sendMouse(QEvent::MouseButtonPress, windowPoint, Qt::LeftButton);
    sendMouse(QEvent::MouseButtonRelease, windowPoint, Qt::NoButton);
    return true;
}

void QMTourHand::type(const QString &text) const
{
    for (const char32_t codePoint : text.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        sendKey(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, character);
        sendKey(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, character);
    }
}

void QMTourHand::selectAll() const
{
    sendKey(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString());
    sendKey(QEvent::KeyRelease, Qt::Key_A, Qt::ControlModifier, QString());
}

bool QMTourHand::waitFor(const std::function<bool()> &ready, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    while (!ready()) {
        if (deadline.hasExpired())
            return false;
        pause(20);
    }
    return true;
}

void QMTourHand::pause(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    // Screens and rows removed meanwhile go now, as they would in the application's own loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void QMTourHand::sendMouse(QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons) const
{
    QWindow *window = m_window ? m_window->windowHandle() : nullptr;
    if (!window)
        return;
    QMouseEvent event(type, QPointF(at), QPointF(m_window->mapToGlobal(at)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

void QMTourHand::sendKey(QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
                         const QString &text) const
{
    QWindow *window = m_window ? m_window->windowHandle() : nullptr;
    if (!window)
        return;
    QKeyEvent event(type, key, modifiers, text);
    QCoreApplication::sendEvent(window, &event);
}
