#include "kit/QMIndexButton.h"

QMIndexButton::QMIndexButton(const QImage &image, QWidget *parent)
    : QMBarButton(QString(), image, parent)
{}
