#include "kit/QMFocusRing.h"

#include "kit/QMKitStyle.h"

#include <QApplication>
#include <QPainter>

QMFocusRing::QMFocusRing(QWidget *window)
    : QWidget(window)
{
    setObjectName(QStringLiteral("QMFocusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
    // Controls move inside scrolling content and slide with their screens: the ring follows
    // the moves of the control and of everything that holds it.
    qApp->installEventFilter(this);
}

QMFocusRing::~QMFocusRing()
{
    qApp->removeEventFilter(this);
}

bool QMFocusRing::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Show:
    case QEvent::Hide:
        break;
    default:
        return false;
    }
    if (!watched->isWidgetType() || watched == this)
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != parentWidget())
        return false;
    if (event->type() == QEvent::KeyPress)
        m_keyboardInUse = true;
    else if (event->type() == QEvent::MouseButtonPress)
        m_keyboardInUse = false;
    else if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut &&
             !(m_target && (widget == m_target || widget->isAncestorOf(m_target))))
        return false;
    follow();
    return false;
}

void QMFocusRing::follow()
{
    QWidget *window = parentWidget();
    QWidget *focus = QApplication::focusWidget();
    const bool ringed = m_keyboardInUse && focus && focus->window() == window && focus != window &&
                        focus->isVisible() &&
                        !QRect(focus->mapTo(window, QPoint(0, 0)), focus->size())
                             .contains(window->rect().adjusted(0, 20, 0, 0));
    m_target = ringed ? focus : nullptr;
    if (!ringed) {
        hide();
        return;
    }
    const QRect area(focus->mapTo(window, QPoint(0, 0)), focus->size());
    setGeometry(area.adjusted(-margin, -margin, margin, margin).intersected(window->rect()));
    raise();
    show();
    update();
}

void QMFocusRing::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QMKitStyle::tintColor(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 5, 5);
}
