#include "kit/QMPageCounter.h"

#include "kit/QMAlertView.h"
#include "kit/QMScrollView.h"

bool QMPageCounter::nextPage()
{
    // Past the last page the counter stops one page beyond it: the alert comes every time, and
    // it cannot run over however often the member asks.
    setCount(m_count + kPageSize);
    if (m_count <= kMaximumCount)
        return true;
    QMAlertView::show(QStringLiteral("提示"), QStringLiteral("只能显示10页!"),
                      QStringLiteral("ok"));
    return false;
}

bool QMPageCounter::isScrolledToEnd(const QMScrollView &list)
{
    return list.contentOffset().y() + list.height() + 10 >= list.contentSize().height();
}
