#include "films/openflow/UIImageExtras.h"

#include <QPainter>

QSizeF UIImageExtras::calculateNewSizeForCroppingBox(const QImage &image, const QSizeF &box)
{
    const QSizeF size = image.deviceIndependentSize();
    if (size.isEmpty() || box.isEmpty())
        return {};
    QSizeF scaled = size.width() >= size.height()
                        ? QSizeF(box.height() * size.width() / size.height(), box.height())
                        : QSizeF(box.width(), box.width() * size.height() / size.width());
    // A nearly square picture would leave empty strips across the cover: scale it up instead.
    if (scaled.width() < box.width() || scaled.height() < box.height())
        scaled = size.scaled(box, Qt::KeepAspectRatioByExpanding);
    return scaled;
}

QImage UIImageExtras::rescaleImageToSize(const QImage &image, const QSizeF &size,
                                         qreal devicePixelRatio)
{
    if (image.isNull() || size.isEmpty())
        return {};
    const QSize pixels = (size * devicePixelRatio).toSize().expandedTo(QSize(1, 1));
    QImage scaled = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}

QImage UIImageExtras::cropImageToRect(const QImage &image, const QRectF &rect)
{
    if (image.isNull() || rect.isEmpty())
        return {};
    // Whole pixels keep the cut crisp; half a pixel of shift is invisible.
    const qreal dpr = image.devicePixelRatio();
    const QRect pixels(QPoint(qRound(rect.x() * dpr), qRound(rect.y() * dpr)),
                       (rect.size() * dpr).toSize().expandedTo(QSize(1, 1)));
    QImage cropped = image.rect().contains(pixels)
                         ? image.copy(pixels)
                         : image.convertToFormat(QImage::Format_ARGB32_Premultiplied).copy(pixels);
    cropped.setDevicePixelRatio(dpr);
    return cropped;
}

QImage UIImageExtras::cropCenterAndScaleImageToSize(const QImage &image, const QSizeF &box,
                                                    qreal devicePixelRatio)
{
    const QSizeF size = calculateNewSizeForCroppingBox(image, box);
    if (size.isEmpty())
        return {};
    const QImage scaled = rescaleImageToSize(image, size, devicePixelRatio);
    const QPointF origin((size.width() - box.width()) / 2, (size.height() - box.height()) / 2);
    return cropImageToRect(scaled, QRectF(origin, box));
}
