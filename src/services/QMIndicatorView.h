#pragma once

#include <QRect>

class QMActivityIndicatorView;

// Makes the busy indicators the screens show while they wait.
class QMIndicatorView
{
public:
    // A grey spinning indicator placed at rect, already turning. The caller parents it.
    static QMActivityIndicatorView *indicatorViewAtRect(const QRect &rect);
};
