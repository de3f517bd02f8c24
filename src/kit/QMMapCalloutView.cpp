#include "kit/QMMapCalloutView.h"

#include "kit/QMKitStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int shadowMargin = 3;
constexpr int padding = 10;
constexpr qreal radius = 7;
constexpr qreal pointerHalfWidth = 8;

QFont titleFont()
{
    return QMKitStyle::boldSystemFont(15);
}

QFont subtitleFont()
{
    return QMKitStyle::systemFont(12);
}
} // namespace

QMMapCalloutView::QMMapCalloutView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void QMMapCalloutView::setTexts(const QString &title, const QString &subtitle)
{
    m_title = title;
    m_subtitle = subtitle;
    update();
}

QSize QMMapCalloutView::preferredSize(int maximumWidth) const
{
    const QFontMetrics titleMetrics(titleFont());
    const QFontMetrics subtitleMetrics(subtitleFont());
    int textWidth = titleMetrics.horizontalAdvance(m_title);
    int height = titleMetrics.height();
    if (!m_subtitle.isEmpty()) {
        textWidth = qMax(textWidth, subtitleMetrics.horizontalAdvance(m_subtitle));
        height += 2 + subtitleMetrics.height();
    }
    // A point to spare, so that text that fits is never elided for a rounding.
    const int width = qBound(qMin(90, maximumWidth), textWidth + 2 * padding + 2, maximumWidth);
    return {width + 2 * shadowMargin, height + 12 + pointerHeight + 2 * shadowMargin};
}

void QMMapCalloutView::placeAt(const QPointF &anchor, const QRectF &bounds)
{
    const int margin = 4;
    const QSize size = preferredSize(int(bounds.width()) - 2 * margin);
    const qreal left =
        qBound(bounds.left() + margin - shadowMargin, anchor.x() - size.width() / 2.0,
               qMax(bounds.left(), bounds.right() - margin + shadowMargin - size.width()));
    const qreal top = anchor.y() - size.height() + shadowMargin;
    setGeometry(qRound(left), qRound(top), size.width(), size.height());
    const qreal inner = shadowMargin + radius + pointerHalfWidth;
    m_pointerX = qBound(inner, anchor.x() - x(), qMax(inner, width() - inner));
    update();
}

QRect QMMapCalloutView::bubbleGeometry() const
{
    return geometry().adjusted(shadowMargin, shadowMargin, -shadowMargin,
                               -shadowMargin - pointerHeight);
}

void QMMapCalloutView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bubble = QRectF(rect()).adjusted(shadowMargin, shadowMargin, -shadowMargin,
                                                  -shadowMargin - pointerHeight);
    QPainterPath path;
    path.addRoundedRect(bubble, radius, radius);
    QPainterPath pointer;
    pointer.moveTo(m_pointerX - pointerHalfWidth, bubble.bottom() - 1);
    pointer.lineTo(m_pointerX, bubble.bottom() + pointerHeight);
    pointer.lineTo(m_pointerX + pointerHalfWidth, bubble.bottom() - 1);
    pointer.closeSubpath();
    path = path.united(pointer);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 22));
    painter.drawPath(path.translated(0, 2));
    painter.setBrush(QColor(0, 0, 0, 18));
    painter.drawPath(path.translated(0, 1));
    painter.setBrush(Qt::white);
    painter.setPen(QPen(QColor(0, 0, 0, 45), 0.8));
    painter.drawPath(path);

    const QRectF text = bubble.adjusted(padding, 6, -padding, -6);
    const QFontMetrics titleMetrics(titleFont());
    painter.setFont(titleFont());
    painter.setPen(QColor(34, 34, 34));
    const int lineTop = int(text.top());
    painter.drawText(QRectF(text.left(), lineTop, text.width(), titleMetrics.height()),
                     Qt::AlignHCenter | Qt::AlignVCenter,
                     titleMetrics.elidedText(m_title, Qt::ElideRight, int(text.width())));
    if (!m_subtitle.isEmpty()) {
        const QFontMetrics subtitleMetrics(subtitleFont());
        painter.setFont(subtitleFont());
        painter.setPen(QColor(120, 120, 124));
        painter.drawText(QRectF(text.left(), lineTop + titleMetrics.height() + 2, text.width(),
                                subtitleMetrics.height()),
                         Qt::AlignHCenter | Qt::AlignVCenter,
                         subtitleMetrics.elidedText(m_subtitle, Qt::ElideRight, int(text.width())));
    }
}
