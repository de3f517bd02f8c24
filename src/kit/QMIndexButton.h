#pragma once

#include "kit/QMBarButton.h"

// A button that stands for one row of a list: the row is its index.
class QMIndexButton : public QMBarButton
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QMIndexButton)

public:
    explicit QMIndexButton(const QImage &image, QWidget *parent = nullptr);

    int index = -1;
};
