#pragma once

#include "kit/QMViewController.h"

// The root screen of the cinemas tab.
class QMCinemaViewController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMCinemaViewController)

public:
    QMCinemaViewController();
};
