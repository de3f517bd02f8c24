#include "films/openflow/TPItemView.h"

#include <QtMath>

namespace {
bool hasOpaqueRows(const QImage &image, int rows)
{
    if (image.isNull())
        return false;
    if (!image.hasAlphaChannel())
        return true;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    rows = qMin(rows, argb.height());
    for (int y = 0; y < rows; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return false;
        }
    }
    return true;
}
} // namespace

void TPItemView::setImageOriginalImageHeightReflectionFraction(const QImage &image,
                                                               qreal originalImageHeight,
                                                               qreal reflectionFraction)
{
    // Recycled covers are handed the same shared pictures again and again: look at the pixels
    // only when the picture really changes.
    if (image.cacheKey() != m_image.cacheKey() || originalImageHeight != m_originalImageHeight) {
        m_image = image;
        m_pictureOpaque =
            hasOpaqueRows(image, qCeil(originalImageHeight * image.devicePixelRatio()));
    }
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
