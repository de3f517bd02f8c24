#include "kit/QMBaseMapLayer.h"

#include "kit/QMBaseMap.h"

#include <QPainter>

#include <cmath>

QMBaseMapLayer::QMBaseMapLayer(const QMBaseMap &map)
    : m_map(map)
{}

bool QMBaseMapLayer::draw(QPainter *painter, const QMMapViewport &viewport, qreal ratio,
                          bool interim)
{
    const QRectF view(QPointF(0, 0), viewport.size);
    const bool usable = !m_picture.isNull() && m_picture.devicePixelRatio() == ratio;
    const QRectF pictureRect(QPointF(0, 0), m_rendered.size);
    if (usable && m_rendered.worldSize == viewport.worldSize) {
        const QPointF origin = m_rendered.toView(viewport.toWorld(QPointF(0, 0)));
        if (pictureRect.contains(QRectF(origin, viewport.size))) {
            // Whole device pixels: a picture moved by a fraction of one would be resampled.
            const QPointF at(-std::round(origin.x() * ratio) / ratio,
                             -std::round(origin.y() * ratio) / ratio);
            painter->drawPixmap(at, m_picture);
            return false;
        }
    }
    if (usable && interim) {
        const double scale = viewport.worldSize / m_rendered.worldSize;
        const QRectF target(viewport.toView(m_rendered.toWorld(QPointF(0, 0))),
                            m_rendered.size * scale);
        if (scale > 0.25 && scale < 4 && target.contains(view)) {
            painter->drawPixmap(target, m_picture, QRectF(QPointF(0, 0), m_picture.size()));
            return true;
        }
    }
    render(viewport, ratio);
    painter->drawPixmap(QPointF(-margin, -margin), m_picture);
    return false;
}

void QMBaseMapLayer::render(const QMMapViewport &viewport, qreal ratio)
{
    m_rendered = viewport;
    m_rendered.size = viewport.size + QSizeF(2 * margin, 2 * margin);
    const QSize pixels = (m_rendered.size * ratio).toSize();
    if (m_picture.size() != pixels || m_picture.devicePixelRatio() != ratio) {
        m_picture = QPixmap(pixels);
        m_picture.setDevicePixelRatio(ratio);
    }
    QPainter painter(&m_picture);
    m_map.draw(&painter, m_rendered, QRectF(QPointF(margin, margin), viewport.size));
    ++m_renderCount;
}
