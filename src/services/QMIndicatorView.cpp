#include "services/QMIndicatorView.h"

#include "kit/QMActivityIndicatorView.h"

QMActivityIndicatorView *QMIndicatorView::indicatorViewAtRect(const QRect &rect)
{
    auto *indicator = new QMActivityIndicatorView(QMActivityIndicatorView::Style::Gray);
    indicator->setGeometry(rect);
    indicator->startAnimating();
    return indicator;
}
