#include "members/QMResponsionListView.h"

#include "kit/QMBarButton.h"
#include "kit/QMKitStyle.h"
#include "kit/QMScrollView.h"
#include "members/QMAtCommentView.h"
#include "members/QMReceiveCommentView.h"
#include "members/QMSendCommentView.h"
#include "services/QMResourceImages.h"

#include <QLabel>

namespace {
constexpr int kArrowWidth = 28;
constexpr int kPageCount = 3;
const QColor kOtherPageColor(110, 110, 116);

QMBarButton *addArrow(QWidget *header, const char *picture)
{
    auto *arrow =
        new QMBarButton(QString(), QMResourceImages::named(QLatin1String(picture)), header);
    arrow->resize(kArrowWidth, kArrowWidth);
    return arrow;
}
} // namespace

QMResponsionListView::QMResponsionListView(QWidget *parent)
    : QWidget(parent)
    , m_header(new QLabel(this))
    , m_leftButton(addArrow(m_header, "btn_pizza_left.png"))
    , m_rightButton(addArrow(m_header, "btn_pizza_right.png"))
    , m_pager(new QMScrollView(this))
    , m_sendCommentView(new QMSendCommentView(m_pager->contentView()))
    , m_receiveCommentView(new QMReceiveCommentView(m_pager->contentView()))
    , m_atCommentView(new QMAtCommentView(m_pager->contentView()))
{
    resize(320, 367);
    QMKitStyle::setBackgroundColor(this, QMKitStyle::lightGrayColor());
    m_header->setPixmap(
        QPixmap::fromImage(QMResourceImages::named(QStringLiteral("btn_pizza.png"))));
    m_header->setScaledContents(true);
    connect(m_leftButton, &QAbstractButton::clicked, this, &QMResponsionListView::selectLeft);
    connect(m_rightButton, &QAbstractButton::clicked, this, &QMResponsionListView::selectRight);

    const QString titles[kPageCount] = {QStringLiteral("我发送的"), QStringLiteral("我收到的"),
                                        QStringLiteral("@提到我的")};
    for (int page = 0; page < kPageCount; ++page) {
        auto *button = new QMBarButton(titles[page], m_header);
        button->setShape(QMBarButton::Shape::Plain);
        button->setFont(QMKitStyle::boldSystemFont(14));
        connect(button, &QAbstractButton::clicked, this, [this, page] { selectPage(page, true); });
        m_pageButtons[page] = button;
    }

    m_pager->setPagingEnabled(true);
    m_pager->setShowsScrollIndicators(false, false);
    m_pager->setDelegate(this);
    showPage(SendPage, false);
}

QMResponsionListView::~QMResponsionListView() = default;

void QMResponsionListView::resizeEvent(QResizeEvent *)
{
    const int w = width();
    m_header->setGeometry(0, 0, w, kHeaderHeight);
    const int arrowTop = (kHeaderHeight - kArrowWidth) / 2;
    m_leftButton->move(2, arrowTop);
    m_rightButton->move(w - kArrowWidth - 2, arrowTop);
    const int titlesWidth = w - 2 * (kArrowWidth + 4);
    for (int page = 0; page < kPageCount; ++page) {
        m_pageButtons[page]->setGeometry(kArrowWidth + 4 + page * titlesWidth / kPageCount, 0,
                                         titlesWidth / kPageCount, kHeaderHeight);
    }
    const QSize pageSize(w, height() - kHeaderHeight);
    m_pager->setGeometry(QRect(QPoint(0, kHeaderHeight), pageSize));
    m_pager->setContentSize(QSize(kPageCount * w, pageSize.height()));
    for (int page = 0; page < kPageCount; ++page)
        listAt(page)->setGeometry(QRect(QPoint(page * w, 0), pageSize));
    m_pager->setContentOffset(QPoint(m_page * w, 0));
}

QMBarButton *QMResponsionListView::pageButton(int page) const
{
    return page >= 0 && page < kPageCount ? m_pageButtons[page] : nullptr;
}

QMCommentFeedView *QMResponsionListView::listAt(int page) const
{
    switch (page) {
    case SendPage:
        return m_sendCommentView;
    case ReceivePage:
        return m_receiveCommentView;
    case AtPage:
        return m_atCommentView;
    default:
        return nullptr;
    }
}

void QMResponsionListView::selectSendComment()
{
    selectPage(SendPage, true);
}

void QMResponsionListView::selectReceiveComment()
{
    selectPage(ReceivePage, true);
}

void QMResponsionListView::selectAtComment()
{
    selectPage(AtPage, true);
}

void QMResponsionListView::selectLeft()
{
    if (m_page > SendPage)
        selectPage(m_page - 1, true);
}

void QMResponsionListView::selectRight()
{
    if (m_page < AtPage)
        selectPage(m_page + 1, true);
}

void QMResponsionListView::selectPage(int page, bool animated)
{
    showPage(page, animated);
    listAt(page)->loadData();
}

void QMResponsionListView::showPage(int page, bool animated)
{
    m_page = page;
    const QPoint offset(page * m_pager->width(), 0);
    // Moving content takes the next touch for itself: never set it moving for nothing.
    if (m_pager->contentOffset() != offset)
        m_pager->setContentOffset(offset, animated && isVisible());
    for (int other = 0; other < kPageCount; ++other) {
        m_pageButtons[other]->setTitleColor(other == page ? QMKitStyle::tintColor()
                                                          : kOtherPageColor);
    }
    m_leftButton->setEnabled(page > SendPage);
    m_rightButton->setEnabled(page < AtPage);
}

void QMResponsionListView::scrollViewDidEndDecelerating(QMScrollView *scrollView)
{
    if (scrollView != m_pager || m_pager->width() <= 0)
        return;
    const int page =
        qBound(0, qRound(qreal(m_pager->contentOffset().x()) / m_pager->width()), kPageCount - 1);
    if (page != m_page)
        selectPage(page, false);
}
