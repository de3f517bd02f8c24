#include "films/openflow/TPItemView.h"

void TPItemView::setImageOriginalImageHeightReflectionFraction(const QImage &image,
                                                               qreal originalImageHeight,
                                                               qreal reflectionFraction)
{
    m_image = image;
    m_verticalPosition = originalImageHeight * reflectionFraction * 0.5;
    m_originalImageHeight = originalImageHeight;
    m_frame = QRectF(QPointF(0, 0), image.deviceIndependentSize());
}

void TPItemView::setNumber(int number)
{
    m_number = number;
    m_horizontalPosition = CoverSpacing * number;
}

void TPItemView::setPlacement(const Placement &placement, bool animated, qint64 nowMs,
                              int durationMs)
{
    if (animated)
        m_placement.animateTo(placement, nowMs, durationMs);
    else
        m_placement.setValue(placement);
}
