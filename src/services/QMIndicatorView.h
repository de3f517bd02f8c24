#pragma once

#include <QRect>

class QMActivityIndicatorView;
class QWidget;

// Makes the busy indicators the screens show while they wait.
class QMIndicatorView
{
public:
    // A grey spinning indicator placed at rect in parent, already turning.
    static QMActivityIndicatorView *indicatorViewAtRect(const QRect &rect,
                                                        QWidget *parent = nullptr);
};
