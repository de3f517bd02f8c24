#include "members/QMAreaSwitcher.h"

#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"
#include "services/QMResourceImages.h"

#include <QLabel>

namespace {
constexpr int kArrowMargin = 4;
const char *const kTitleName = "areaTitle";
} // namespace

QMAreaSwitcher::QMAreaSwitcher(const QStringList &titles, const QRect &frame, QWidget *parent)
    : QWidget(parent)
    , m_titles(titles)
    , m_scroller(new QMScrollView(this))
    , m_leftButton(new QMBarButton(
          QString(), QMResourceImages::named(QStringLiteral("btn_pizza_left.png")), this))
    , m_rightButton(new QMBarButton(
          QString(), QMResourceImages::named(QStringLiteral("btn_pizza_right.png")), this))
{
    m_scroller->setPagingEnabled(true);
    m_scroller->setShowsScrollIndicators(false, false);
    m_scroller->setDelegate(this);
    for (const QString &title : m_titles) {
        QLabel *label =
            QMKitStyle::addLabel(m_scroller->contentView(), QRect(), QMKitStyle::boldSystemFont(15),
                                 QColor(70, 50, 30), title);
        label->setObjectName(QLatin1String(kTitleName));
        label->setAlignment(Qt::AlignCenter);
    }
    connect(m_leftButton, &QAbstractButton::clicked, this, &QMAreaSwitcher::selectLeft);
    connect(m_rightButton, &QAbstractButton::clicked, this, &QMAreaSwitcher::selectRight);
    setGeometry(frame);
    relayout();
}

QMAreaSwitcher::~QMAreaSwitcher()
{
    m_scroller->setDelegate(nullptr);
}

QStringList QMAreaSwitcher::areaTitles()
{
    return {QStringLiteral("同一场馆"), QStringLiteral("我的周边"), QStringLiteral("同一城市")};
}

void QMAreaSwitcher::selectLeft()
{
    moveToPage(m_page - 1);
}

void QMAreaSwitcher::selectRight()
{
    moveToPage(m_page + 1);
}

void QMAreaSwitcher::scrollViewDidEndDecelerating(QMScrollView *)
{
    settle();
}

void QMAreaSwitcher::scrollViewDidEndScrollingAnimation(QMScrollView *)
{
    settle();
}

void QMAreaSwitcher::resizeEvent(QResizeEvent *)
{
    relayout();
}

void QMAreaSwitcher::moveToPage(int page)
{
    if (page < 0 || page >= pageCount() || m_scroller->width() <= 0)
        return;
    m_scroller->setContentOffset(QPoint(page * m_scroller->width(), 0), true);
}

void QMAreaSwitcher::settle()
{
    const int width = m_scroller->width();
    if (width <= 0)
        return;
    const int page =
        qBound(0, qRound(qreal(m_scroller->contentOffset().x()) / width), qMax(0, pageCount() - 1));
    if (page == m_page)
        return;
    m_page = page;
    emit pageSettled(page);
}

void QMAreaSwitcher::relayout()
{
    const int arrowTop = (height() - kArrowSize) / 2;
    m_leftButton->setGeometry(kArrowMargin, arrowTop, kArrowSize, kArrowSize);
    m_rightButton->setGeometry(width() - kArrowMargin - kArrowSize, arrowTop, kArrowSize,
                               kArrowSize);
    const int left = 2 * kArrowMargin + kArrowSize;
    const int pageWidth = qMax(0, width() - 2 * left);
    m_scroller->setGeometry(left, 0, pageWidth, height());
    const QList<QLabel *> labels = m_scroller->contentView()->findChildren<QLabel *>(
        QLatin1String(kTitleName), Qt::FindDirectChildrenOnly);
    for (int page = 0; page < labels.size(); ++page)
        labels[page]->setGeometry(page * pageWidth, 0, pageWidth, height());
    m_scroller->setContentSize(QSize(pageWidth * pageCount(), height()));
    m_scroller->setContentOffset(QPoint(m_page * pageWidth, 0));
}
