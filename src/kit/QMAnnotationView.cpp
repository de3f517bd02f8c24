#include "kit/QMAnnotationView.h"

#include "kit/QMMapAnnotation.h"

#include <QPainter>

QMAnnotationView::QMAnnotationView(std::shared_ptr<QMMapAnnotation> annotation,
                                   const QString &reuseIdentifier)
    : m_annotation(std::move(annotation))
    , m_reuseIdentifier(reuseIdentifier)
{}

QMAnnotationView::~QMAnnotationView() = default;

void QMAnnotationView::setAnnotation(std::shared_ptr<QMMapAnnotation> annotation)
{
    m_annotation = std::move(annotation);
}

void QMAnnotationView::setImage(const QImage &image)
{
    m_image = image;
    m_scaled = {};
    if (!m_hasSize)
        m_size = image.deviceIndependentSize();
    setNeedsDisplay();
}

void QMAnnotationView::setSize(const QSizeF &size)
{
    m_size = size;
    m_hasSize = true;
    setNeedsDisplay();
}

void QMAnnotationView::setCenterOffset(const QPointF &offset)
{
    m_centerOffset = offset;
    setNeedsDisplay();
}

void QMAnnotationView::setSelected(bool selected)
{
    if (m_selected == selected)
        return;
    m_selected = selected;
    setNeedsDisplay();
}

QRectF QMAnnotationView::frameAt(const QPointF &point) const
{
    const QPointF center = point + m_centerOffset;
    return {center - QPointF(m_size.width() / 2, m_size.height() / 2), m_size};
}

QRectF QMAnnotationView::touchRectAt(const QPointF &point) const
{
    constexpr qreal minimum = 30;
    const QRectF frame = frameAt(point);
    const qreal dx = qMax<qreal>(0, (minimum - frame.width()) / 2);
    const qreal dy = qMax<qreal>(0, (minimum - frame.height()) / 2);
    return frame.adjusted(-dx, -dy, dx, dy);
}

void QMAnnotationView::prepareForReuse()
{
    setSelected(false);
}

void QMAnnotationView::paint(QPainter *painter, const QRectF &frame) const
{
    if (m_image.isNull() || frame.isEmpty())
        return;
    // Scaled once, not at every frame: a picture is usually far larger than its view.
    const qreal ratio = painter->device()->devicePixelRatioF();
    const QSize pixels = (frame.size() * ratio).toSize();
    if (m_scaled.size() != pixels || m_scaled.devicePixelRatio() != ratio) {
        m_scaled = QPixmap::fromImage(
            m_image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        m_scaled.setDevicePixelRatio(ratio);
    }
    painter->drawPixmap(frame.topLeft(), m_scaled);
}
