#include "services/QMIndicatorView.h"

#include "kit/QMActivityIndicatorView.h"

QMActivityIndicatorView *QMIndicatorView::indicatorViewAtRect(const QRect &rect, QWidget *parent)
{
    auto *indicator = new QMActivityIndicatorView(QMActivityIndicatorView::Style::Gray, parent);
    indicator->setGeometry(rect);
    indicator->startAnimating();
    return indicator;
}
