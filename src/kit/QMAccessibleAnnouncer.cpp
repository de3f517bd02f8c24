#include "kit/QMAccessibleAnnouncer.h"

#include <QAccessible>

static std::function<void(QAccessibleEvent *)> &listenerSlot()
{
    static std::function<void(QAccessibleEvent *)> listener;
    return listener;
}

void QMAccessibleAnnouncer::announce(QAccessibleEvent *event)
{
    if (listenerSlot())
        listenerSlot()(event);
    QAccessible::updateAccessibility(event);
}

void QMAccessibleAnnouncer::setListenerForTesting(std::function<void(QAccessibleEvent *)> listener)
{
    listenerSlot() = std::move(listener);
}
