#include "services/QMViewBusyBee.h"

#include "kit/QMActivityIndicatorView.h"
#include "services/QMIndicatorView.h"

void QMViewBusyBee::showBusyBee(QWidget *view, const QRect &rect)
{
    if (!view)
        return;
    QMActivityIndicatorView *indicator = QMIndicatorView::indicatorViewAtRect(rect, view);
    indicator->raise();
    indicator->show();
}

void QMViewBusyBee::showBusyBeeAtCenter(QWidget *view, int size)
{
    if (!view)
        return;
    showBusyBee(view,
                QRect(view->width() / 2 - size / 2, view->height() / 2 - size / 2, size, size));
}

QRect QMViewBusyBee::BusyBeeAtCenter(const QWidget *view, int size)
{
    const QRect frame = view->geometry();
    return QRect(frame.x() + frame.width() / 2 - size / 2,
                 frame.y() + frame.height() / 2 - size / 2, size, size);
}

void QMViewBusyBee::removeBusyBee(QWidget *view)
{
    if (!view)
        return;
    const auto indicators =
        view->findChildren<QMActivityIndicatorView *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(indicators);
}
