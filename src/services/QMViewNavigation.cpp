#include "services/QMViewNavigation.h"

#include <QPropertyAnimation>
#include <QWidget>

void QMViewNavigation::presentView(QWidget *view, QWidget *v)
{
    slideIn(view, v, QPoint(0, 480));
}

void QMViewNavigation::dismissSelf(QWidget *view)
{
    slideOut(view, QPoint(0, 480));
}

void QMViewNavigation::pushView(QWidget *view, QWidget *v)
{
    slideIn(view, v, QPoint(320, 0));
}

void QMViewNavigation::popSelf(QWidget *view)
{
    slideOut(view, QPoint(320, 0));
}

void QMViewNavigation::slideIn(QWidget *parent, QWidget *v, const QPoint &offset)
{
    if (!parent || !v)
        return;
    const QPoint place = v->pos();
    v->setParent(parent);
    v->move(place + offset);
    v->show();
    v->raise();
    auto *animation = new QPropertyAnimation(v, "pos", v);
    animation->setDuration(durationMs);
    animation->setStartValue(place + offset);
    animation->setEndValue(place);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void QMViewNavigation::slideOut(QWidget *view, const QPoint &offset)
{
    if (!view)
        return;
    auto *animation = new QPropertyAnimation(view, "pos", view);
    animation->setDuration(durationMs);
    animation->setStartValue(view->pos());
    animation->setEndValue(view->pos() + offset);
    animation->setEasingCurve(QEasingCurve::InOutQuad);
    QObject::connect(animation, &QPropertyAnimation::finished, view, [view] {
        view->hide();
        view->deleteLater();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}
