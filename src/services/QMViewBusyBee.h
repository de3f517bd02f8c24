#pragma once

#include <QRect>

class QWidget;

// A busy indicator any view can show over itself and take away again.
class QMViewBusyBee
{
public:
    // Adds an indicator at rect (in view's coordinates).
    static void showBusyBee(QWidget *view, const QRect &rect);
    // An indicator of side size centred in the view.
    static void showBusyBeeAtCenter(QWidget *view, int size);
    // The square of side size centred on the view's centre, in its parent's coordinates.
    static QRect BusyBeeAtCenter(const QWidget *view, int size);
    // Removes every indicator that is a direct child of the view, whoever added it.
    static void removeBusyBee(QWidget *view);
};
