#include "films/openflow/TPUIImageReflection.h"

#include <QLinearGradient>
#include <QPainter>

#include <cmath>

int TPUIImageReflection::reflectionHeight(qreal imageHeight, qreal fraction)
{
    return qMax(0, int(std::floor(imageHeight * fraction)));
}

QImage TPUIImageReflection::addImageReflection(const QImage &image, qreal fraction)
{
    if (image.isNull())
        return {};
    const qreal dpr = image.devicePixelRatio();
    const int width = image.width();
    const int height = image.height();
    const int band =
        qRound(reflectionHeight(image.deviceIndependentSize().height(), fraction) * dpr);

    // Work in pixels; the density is put back on the result.
    QImage source = image;
    source.setDevicePixelRatio(1);
    QImage result(width, height + band, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, source);
    if (band > 0) {
        // The mask runs from 0 at the picture's top to 0.5 at its bottom; the picture is then
        // flipped, so the band starts at half opacity next to the picture.
        QImage masked = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        {
            QPainter maskPainter(&masked);
            maskPainter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
            QLinearGradient ramp(0, 0, 0, height);
            ramp.setColorAt(0, QColor(0, 0, 0, 0));
            ramp.setColorAt(1, QColor(0, 0, 0, 128));
            maskPainter.fillRect(masked.rect(), ramp);
        }
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.translate(0, height + band);
        painter.scale(1, -qreal(band) / height);
        painter.drawImage(0, 0, masked);
    }
    painter.end();
    result.setDevicePixelRatio(dpr);
    return result;
}
