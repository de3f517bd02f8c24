#pragma once

#include "kit/QMViewController.h"

// The root screen of the member area tab.
class QMMyQuelmaViewController : public QMViewController
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMMyQuelmaViewController)

public:
    QMMyQuelmaViewController();
};
