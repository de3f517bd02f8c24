#include "kit/QMScrollIndicator.h"

#include <QPainter>

QMScrollIndicator::QMScrollIndicator(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    m_linger.setSingleShot(true);
    m_linger.setInterval(500);
    m_fade.setDuration(250);
    m_fade.setStartValue(1.0);
    m_fade.setEndValue(0.0);
    connect(&m_linger, &QTimer::timeout, this, [this] { m_fade.start(); });
    connect(&m_fade, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) {
        m_opacity = value.toReal();
        update();
    });
}

void QMScrollIndicator::setShownAxes(bool vertical, bool horizontal)
{
    m_vertical = vertical;
    m_horizontal = horizontal;
    update();
}

void QMScrollIndicator::flash(const QPointF &offset, const QSize &contentSize)
{
    m_offset = offset;
    m_contentSize = contentSize;
    if (m_opacity <= 0.0)
        raise(); // above whatever was added to the view since it last showed
    m_fade.stop();
    m_opacity = 1.0;
    m_linger.start();
    update();
}

// Position and length of a bar along one axis of the given viewport length.
static QPair<qreal, qreal> barSpan(qreal offset, qreal content, qreal viewport)
{
    const qreal track = viewport - 6;
    qreal length = qMax<qreal>(24, track * viewport / content);
    qreal start = 3 + (track - length) * offset / qMax<qreal>(1, content - viewport);
    // Squeezed when the content is pulled past its ends.
    if (start < 3) {
        length = qMax<qreal>(7, length - (3 - start));
        start = 3;
    } else if (start + length > viewport - 3) {
        length = qMax<qreal>(7, viewport - 3 - start);
        start = viewport - 3 - length;
    }
    return {start, length};
}

void QMScrollIndicator::paintEvent(QPaintEvent *)
{
    if (m_opacity <= 0.0)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    painter.setPen(QPen(QColor(255, 255, 255, 140), 1.0));
    painter.setBrush(QColor(0, 0, 0, 110));
    if (m_vertical && m_contentSize.height() > height()) {
        const auto [start, length] = barSpan(m_offset.y(), m_contentSize.height(), height());
        painter.drawRoundedRect(QRectF(width() - 6, start, 4, length), 2, 2);
    }
    if (m_horizontal && m_contentSize.width() > width()) {
        const auto [start, length] = barSpan(m_offset.x(), m_contentSize.width(), width());
        painter.drawRoundedRect(QRectF(start, height() - 6, length, 4), 2, 2);
    }
}
